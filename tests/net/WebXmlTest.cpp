#include "ServedFolder.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const char kPackagesAnswer[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"
    "<Answer>\r\n"
    "<result>1</result>\r\n"
    "<message>Two packages.</message>\r\n"
    "<data>\r\n"
    "<Downloads>\r\n"
    "<Count>2</Count>\r\n"
    "<Type0>1685548132</Type0>\r\n"
    "<Item0>\r\n<name>Xvid Codec</name>\r\n<description>Plays Xvid files.</description>\r\n</Item0>\r\n"
    "<Type1>1685548132</Type1>\r\n"
    "<Item1>\r\n<name>AC-3 Decoder</name>\r\n<selected>0</selected>\r\n</Item1>\r\n"
    "</Downloads>\r\n"
    "</data>\r\n"
    "</Answer>\r\n";

const char kRefusal[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"
    "<Answer>\r\n"
    "<result>0</result>\r\n"
    "<message>The key is not valid.</message>\r\n"
    "</Answer>\r\n";

class WebXmlTest : public ServedFolder<CLocalServer::kHttp> {
protected:
    static void SetUpTestSuite()
    {
        ServedFolder::SetUpTestSuite();
        ASSERT_TRUE(WriteWholeFile(sRoot->File("Packages.xml"), kPackagesAnswer));
        ASSERT_TRUE(WriteWholeFile(sRoot->File("Refusal.xml"), kRefusal));
    }

    // What the server saw of the last request: request line, content type, body.
    static std::string Seen()
    {
        CHttpDownloadThread fetch;
        ScratchFolder folder;
        fetch.SetUrl(sServer->Url("/seen").c_str());
        fetch.SetOutPath(folder.File("seen.txt").c_str());
        fetch.ExecuteSelf(0);
        return ReadWholeFile(folder.File("seen.txt"));
    }

    static std::string Site() { return sServer->Url(""); }
};

TEST_F(WebXmlTest, ParametersAreEncodedAndPostedAsTheyWereGiven)
{
    EXPECT_EQ(UUrlEncoder::EncodeParam(" \"#$%&+,/:;<=>?@[\\]^`{|}~!'()*-._aZ09\x7f\x80\x1f"),
              "%20%22%23%24%25%26%2B%2C%2F%3A%3B%3C%3D%3E%3F%40%5B%5C%5D%5E%60%7B%7C%7D%7E!'()*-._aZ09%7F%80%1F");

    CDownloadList packages;
    CWebXml request;
    request.SetSite(Site().c_str());
    request.SetPath("/xml/file/Packages.xml");
    request.AddParam("Key", "a b&c");
    request.AddParam("Empty", "");
    request.AddParam("n", 5);
    request.SetObject(&packages);
    EXPECT_EQ(request.GetParams(), "Key=a%20b%26c&n=5");
    EXPECT_EQ(request.GetUrl(), CString(Site().c_str()) + "/xml/file/Packages.xml?Key=a%20b%26c&n=5");

    ASSERT_TRUE(request.Run()) << request.GetMessage();
    EXPECT_EQ(request.GetMessage(), "Two packages.");
    EXPECT_EQ(Seen(), "POST /xml/file/Packages.xml?Key=a%20b%26c&n=5 HTTP/1.1\n"
                      "application/x-www-form-urlencoded\n"
                      "Key=a%20b%26c&n=5");
    ASSERT_EQ(packages.GetDownloadCount(), 2);
    EXPECT_EQ(packages.GetDownload(0)->GetName(), "Xvid Codec");
    EXPECT_EQ(packages.GetDownload(0)->GetDescription(), "Plays Xvid files.");
    EXPECT_FALSE(packages.GetDownload(1)->GetSelected());
}

TEST_F(WebXmlTest, ARefusalShowsTheServersMessageWhateverItsLineEnds)
{
    for (const char* path : { "/xml/file/Refusal.xml", "/xml/lf/Refusal.xml" }) {
        CWebXml request;
        request.SetSite(Site().c_str());
        request.SetPath(path);
        EXPECT_EQ(request.RunUrl(), CString(kRefusal).Left(static_cast<int>(sizeof kRefusal) - 3)) << path;
        EXPECT_FALSE(request.Run()) << path;
        EXPECT_EQ(request.GetMessage(), "The key is not valid.") << path;
    }
}

TEST_F(WebXmlTest, WithoutAWholeAnswerTheSiteCouldNotBeReached)
{
    const std::string refused = "http://127.0.0.1:" + std::to_string(CLocalServer::UnusedPort());
    const struct {
        std::string site;
        const char* path;
    } failures[] = {
        { refused, "/xml/file/Packages.xml" },
        { Site(), "/xml/status/500" },         // an answer that would pass, under an error status
        { Site(), "/xml/cut/Packages.xml" },   // half an answer
        { Site(), "/xml/file/packages.xml" },  // the address as it would be in lower case: 404
    };
    for (const auto& failure : failures) {
        CDownloadList packages;
        CWebXml request;
        request.SetSite(failure.site.c_str());
        request.SetPath(failure.path);
        request.SetObject(&packages);
        EXPECT_FALSE(request.Run()) << failure.path;
        EXPECT_EQ(request.GetMessage(), CString("Unable to connect to ") + failure.site.c_str()) << failure.path;
        EXPECT_EQ(packages.GetDownloadCount(), 0) << failure.path;
    }
}

} // namespace
