#include "util/IpUtils.h"

#include <cstdlib>
#include <cstring>

CString UIpUtils::FormatIpAddress(unsigned long address)
{
    CString text;
    text.Format("%d.%d.%d.%d", static_cast<int>((address >> 24) & 0xFF),
                static_cast<int>((address >> 16) & 0xFF), static_cast<int>((address >> 8) & 0xFF),
                static_cast<int>(address & 0xFF));
    return text;
}

unsigned long UIpUtils::ParseIpAddress(const char* text)
{
    if (!text)
        return 0;
    unsigned long address = 0;
    const char* part = text;
    for (int shift = 24; shift >= 0 && part; shift -= 8) {
        const unsigned long value = static_cast<unsigned long>(std::strtol(part, nullptr, 10));
        address |= (value & 0xFF) << shift;
        part = std::strchr(part, '.');
        if (part)
            ++part;
    }
    return address;
}
