#pragma once
#include "afxwin.h"

// Opens documents, folders and web pages with the program the shell chooses for them.
//
// Decision of this library: a null or empty path opens nothing; the shell would take an
// empty one for the current folder and open that.
class AFX_EXT_CLASS UShellUtils {
public:
    // The "open" verb, shown normally.
    static void Open(const char* path);
    // The "open" verb with parameters for the program, shown or hidden.
    static void Open(const char* file, const char* parameters, bool show);
};
