#include "persist/TextLoadLimit.h"

#include <cstring>

CTextLoadLimit::CTextLoadLimit()
    : mLimited(false)
    , mBytes(0)
{
}

void CTextLoadLimit::Set(unsigned long bytes)
{
    mLimited = true;
    mBytes = bytes;
}

void CTextLoadLimit::Copy(char* buffer, const char* text, unsigned long length)
{
    const bool limited = mLimited;
    Lift();
    if (!buffer)
        return;
    if (limited) {
        if (mBytes == 0)
            return;
        if (length > mBytes - 1)
            length = mBytes - 1;
    }
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

void CTextLoadLimit::Lift()
{
    mLimited = false;
}
