// Web addresses as a user, a settings file or "links.ini" gives them.
//
// - The server is a piece of the address without user, port, path or brackets.
// - A port other than 0 is written in the address and lies between 1 and 65535.
// - The object path begins with "/", holds no fragment, and is (after that "/") a piece
//   of the address.
#include "FuzzCheck.h"

#include "UrlUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string url(reinterpret_cast<const char*>(data), size);
    const char* text = url.c_str();
    const std::string input(text);

    const std::string server = UUrlUtils::GetServer(text);
    FUZZ_CHECK(IsPartOf(server, input), "the server is a piece of the address");
    FUZZ_CHECK(server.find_first_of("/?#@") == std::string::npos,
               "the server holds no path, query, fragment or user");

    const unsigned short port = UUrlUtils::GetPort(text);
    if (port != 0)
        FUZZ_CHECK(IsPartOf(std::to_string(port), input), "a port is one written in the address");

    const std::string object = UUrlUtils::GetFileName(text);
    FUZZ_CHECK(!object.empty() && object[0] == '/', "the object path begins with \"/\"");
    FUZZ_CHECK(object.find('#') == std::string::npos, "the fragment is never sent");
    FUZZ_CHECK(IsPartOf(object, input) || IsPartOf(object.substr(1), input),
               "the object path is a piece of the address");
    return 0;
}
