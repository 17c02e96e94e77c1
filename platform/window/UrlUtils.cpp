#include "UrlUtils.h"

#include <cctype>

namespace {

struct SUrlParts {
    std::string server;
    std::string port;
    std::string object;
};

bool IsSchemeText(const std::string& text)
{
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0])))
        return false;
    for (char c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

std::string Trimmed(const char* url)
{
    std::string text = url ? url : "";
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

SUrlParts Split(const char* url)
{
    const std::string text = Trimmed(url);
    size_t authorityStart = 0;
    const size_t schemeEnd = text.find("://");
    if (schemeEnd != std::string::npos && IsSchemeText(text.substr(0, schemeEnd)))
        authorityStart = schemeEnd + 3;
    else if (text.compare(0, 2, "//") == 0)
        authorityStart = 2;
    size_t authorityEnd = text.find_first_of("/?#", authorityStart);
    if (authorityEnd == std::string::npos)
        authorityEnd = text.size();

    std::string authority = text.substr(authorityStart, authorityEnd - authorityStart);
    const size_t at = authority.rfind('@');
    if (at != std::string::npos)
        authority.erase(0, at + 1);

    SUrlParts parts;
    size_t portStart = std::string::npos;
    if (!authority.empty() && authority[0] == '[') {
        const size_t close = authority.find(']');
        parts.server = authority.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        if (close != std::string::npos && close + 1 < authority.size() && authority[close + 1] == ':')
            portStart = close + 2;
    } else {
        const size_t colon = authority.rfind(':');
        parts.server = authority.substr(0, colon);
        if (colon != std::string::npos)
            portStart = colon + 1;
    }
    if (portStart != std::string::npos)
        parts.port = authority.substr(portStart);

    parts.object = text.substr(authorityEnd, text.find('#', authorityEnd) - authorityEnd);
    if (parts.object.empty() || parts.object[0] != '/')
        parts.object.insert(0, "/");
    return parts;
}

} // namespace

std::string UUrlUtils::GetServer(const char* url)
{
    return Split(url).server;
}

unsigned short UUrlUtils::GetPort(const char* url)
{
    const std::string port = Split(url).port;
    if (port.empty() || port.size() > 5)
        return 0;
    unsigned long number = 0;
    for (char c : port) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    return number <= 65535 ? static_cast<unsigned short>(number) : 0;
}

std::string UUrlUtils::GetFileName(const char* url)
{
    return Split(url).object;
}
