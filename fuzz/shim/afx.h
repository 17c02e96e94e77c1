#pragma once
// The framework's basic classes as far as the parsers use them: the real CString, and of
// CFile only its share flags (files themselves are stood in for by FileStandIns.cpp).
#include "afxver_.h"
#include "afxstr.h"

class CFile {
public:
    // The same numbers as the framework's.
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000
    };
};
