#pragma once
#include "afxwin.h"
#include "tnwbscut.h"

// Turns a raw video frame into a 32-bit bitmap of the frame's size, through the base
// library's video converter (colour formats as CVideoConverter and CRgbScaler describe;
// rows top-down).
//
// Decision of this library: a frame that cannot be converted - no bits, no size, or a
// colour format the converter does not know - gives no bitmap (null) rather than a
// bitmap of undefined pixels.
class AFX_EXT_CLASS CBitmapCapture : public CVideoConverter {
public:
    CBitmapCapture();

    // Passes whole frames unscaled, to 32-bit RGB (106).
    bool Initialize() override;
    // A new bitmap of the frame, which the caller owns and deletes; null when the frame
    // cannot be converted.
    CBitmap* MakeBitmap(const void* bits, long colorFormat, int width, int height);
};
