#include "persist/XmlValueText.h"

#include <cstring>

namespace {

const char kLessThan[] = "&#60;";
const char kAmpersand[] = "&#38;";
const int kReferenceLength = 5;

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

} // namespace

CString UXmlValueText::Encode(const char* value)
{
    if (!value || !std::strpbrk(value, "<&"))
        return CString(value ? value : "");
    CString text;
    for (const char* position = value; *position; ++position) {
        if (*position == '<')
            text += kLessThan;
        else if (StartsWith(position, kLessThan) || StartsWith(position, kAmpersand))
            text += kAmpersand;
        else
            text += *position;
    }
    return text;
}

CString UXmlValueText::Decode(const char* text)
{
    if (!text || !std::strstr(text, "&#"))
        return CString(text ? text : "");
    CString value;
    for (const char* position = text; *position;) {
        if (StartsWith(position, kLessThan)) {
            value += '<';
            position += kReferenceLength;
        } else if (StartsWith(position, kAmpersand)) {
            value += '&';
            position += kReferenceLength;
        } else {
            value += *position++;
        }
    }
    return value;
}
