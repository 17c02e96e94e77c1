#pragma once
#include "BaseExport.h"

// Bytes as hexadecimal text and back. Texts and byte blocks come from UStringBuffer:
// temporary, copy what you keep.
//
// Digits are written in upper case and read in either case. With reverse the last byte
// comes first in the text (so the bytes of a little-endian number read as the number);
// the same flag must be given to read such a text back.
class TNWBS_CLASS UHexConverter {
public:
    // Two digits per byte; null data or size 0 give an empty text.
    static char* MakeText(const void* data, unsigned long size, bool reverse);
    // The two digits of one byte.
    static char* MakeTextFromChar(unsigned char byte);
    // The bytes of a text of digits: half its length (an odd last digit is ignored). A
    // character that is no hexadecimal digit counts as 0; null gives no bytes.
    static unsigned char* MakeData(const char* text, bool reverse);
};
