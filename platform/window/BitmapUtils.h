#pragma once
#include "WindowExport.h"

#include <windows.h>

// Operations on bitmaps.
class TNWWND_CLASS UBitmapUtils {
public:
    // A copy of the bitmap in shades of grey, as controls show a picture that cannot be
    // used: each pixel takes the grey of its brightness (0.299 red, 0.587 green, 0.114
    // blue), and keeps its alpha. The copy is a 32-bit DIB section of the same size, owned
    // by the caller; null when the bitmap cannot be read. The bitmap must not be selected
    // into a device context.
    static HBITMAP MakeMonochrome(HBITMAP bitmap);
};
