#pragma once
// The ANSI code page of the native build has one byte per character, so the multi-byte
// comparison is the plain byte comparison.
#include <cstring>

inline int _mbscmp(const unsigned char* text1, const unsigned char* text2)
{
    return std::strcmp(reinterpret_cast<const char*>(text1), reinterpret_cast<const char*>(text2));
}
