#include "net/UrlEncoder.h"

#include "tnwbscut.h"

#include <cstring>

namespace {

bool NeedsEscape(unsigned char byte)
{
    static const char kReserved[] = " \"#$%&+,/:;<=>?@[\\]^`{|}~";
    return byte < 32 || byte >= 127 || std::strchr(kReserved, byte) != nullptr;
}

} // namespace

CString UUrlEncoder::EncodeParam(const char* text)
{
    CString encoded;
    if (!text)
        return encoded;
    for (const unsigned char* byte = reinterpret_cast<const unsigned char*>(text); *byte; ++byte) {
        if (NeedsEscape(*byte)) {
            encoded += '%';
            encoded += UHexConverter::MakeTextFromChar(*byte);
        } else {
            encoded += static_cast<char>(*byte);
        }
    }
    return encoded;
}
