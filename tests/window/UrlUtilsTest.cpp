#include "UrlUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(UrlUtilsTest, AddressesComeApartIntoServerPortAndObject)
{
    const struct {
        const char* url;
        const char* server;
        unsigned short port;
        const char* object;
    } cases[] = {
        {"http://www.tarnwell.com/register/form.php?id=7", "www.tarnwell.com", 0, "/register/form.php?id=7"},
        {"https://127.0.0.1:8443/api", "127.0.0.1", 8443, "/api"},
        {"http://host?query=1", "host", 0, "/?query=1"},
        {"http://host/page#part", "host", 0, "/page"},
        {"ftp://user:pa:ss@files.example:2121/up/a.jpg", "files.example", 2121, "/up/a.jpg"},
        {"http://[::1]:8080/x", "::1", 8080, "/x"},
        {"www.tarnwell.com/a/b", "www.tarnwell.com", 0, "/a/b"},
        {"/only/a/path", "", 0, "/only/a/path"},
        {"http://host:65536/", "host", 0, "/"},
        {"http://host:-1/", "host", 0, "/"},
        {"http://host/a@b:9/c", "host", 0, "/a@b:9/c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(UUrlUtils::GetServer(c.url), c.server);
        EXPECT_EQ(UUrlUtils::GetPort(c.url), c.port);
        EXPECT_EQ(UUrlUtils::GetFileName(c.url), c.object);
    }
    EXPECT_EQ(UUrlUtils::GetServer(nullptr), "");
    EXPECT_EQ(UUrlUtils::GetFileName(nullptr), "/");
}

} // namespace
