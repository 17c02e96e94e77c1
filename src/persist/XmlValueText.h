#pragma once
#include "afx.h"

// How the writer keeps values that hold "<", which the text form cannot carry as they are.
//
// Such a value is written with every "<" as the character reference "&#60;", and the
// reader turns "&#60;" back into "<". So that a value holding those five bytes itself
// survives, an "&" that begins "&#60;" or "&#38;" in the value is written as "&#38;",
// which the reader turns back into "&". Nothing else is touched: a value without "<" and
// without those two references is written byte for byte as before, so files that hold
// only such values are unchanged, and readers that take the bytes literally still accept
// every file (they see the references as text instead of losing the value).
class AFX_EXT_CLASS UXmlValueText {
public:
    static CString Encode(const char* value);
    static CString Decode(const char* text);
};
