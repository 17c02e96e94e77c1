#pragma once
#include "afxwin.h"

// Opens documents, folders and web pages with the program the shell chooses for them.
//
// Each call returns whether the shell started something; a null or empty path starts
// nothing. The shell reports only whether it could start the program, not what the program
// then did.
class AFX_EXT_CLASS UShellUtils {
public:
    // The "open" verb, shown normally.
    static bool Open(const char* path);
    // The "open" verb with parameters for the program, shown or hidden.
    static bool Open(const char* file, const char* parameters, bool show);
};
