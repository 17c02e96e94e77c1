#pragma once
#include "afx.h"

// Encodes a text for a web address or a form body. Letters, digits and the bytes
// ! ' ( ) * - . _ stay as they are; every other byte, the blank included, becomes "%"
// and its two hexadecimal digits (upper case), so a blank is %20, never "+". Bytes from
// 128 up are encoded one by one, whatever character they belong to.
class AFX_EXT_CLASS UUrlEncoder {
public:
    static CString EncodeParam(const char* text);
};
