#pragma once
#include "afx.h"

// Keeps a text load without a buffer size inside the buffer its caller made.
//
// A caller asks a storage for a text's length with LoadStringLength, sizes its buffer
// from the answer and then loads the text with Load(name, char*), which has no size. The
// two calls need not find the same text: another name may follow the length, a file or
// registry value may have been edited in between, or a stored length may not match the
// text after it. The storage therefore remembers the room the length promised and the
// next text load writes no more than that, cutting the text if it must.
class AFX_EXT_CLASS CTextLoadLimit {
public:
    CTextLoadLimit();

    // The next Copy writes at most bytes bytes, the terminator included (0: nothing).
    void Set(unsigned long bytes);

    // Copies text (length bytes) and a terminator to buffer, within the room set last;
    // without a limit set, the whole text. Either way the limit is used up. A null buffer
    // receives nothing.
    void Copy(char* buffer, const char* text, unsigned long length);

    // Uses the limit up without copying, for a text load that finds nothing to copy.
    void Lift();

private:
    bool mLimited;
    unsigned long mBytes;
};
