#pragma once
#include "afxver_.h"

// The library's own module: its resources (dialog templates, bitmaps, icons) are loaded
// from it rather than from the application's executable.
class AFX_EXT_CLASS ULibraryModule {
public:
    static HINSTANCE Instance();
};
