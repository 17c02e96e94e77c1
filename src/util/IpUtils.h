#pragma once
#include "afxwin.h"

// IPv4 addresses as text, with the first byte of the dotted text in the most significant
// byte of the number.
//
// Parsing is lenient, as for text a user typed: each part is read as a decimal number up
// to the first character that is not a digit and keeps its low 8 bits; missing parts are
// 0. A part too large for a long reads as the largest long (its low 8 bits, 255) instead
// of overflowing.
class AFX_EXT_CLASS UIpUtils {
public:
    static CString FormatIpAddress(unsigned long address);
    static unsigned long ParseIpAddress(const char* text);
};
