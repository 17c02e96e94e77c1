#pragma once
#include "afxwin.h"

// A 32-bit picture in memory with a device context drawing into it, so that a test can
// draw (or let a control paint) and then look at the pixels.
class CMemoryCanvas {
public:
    CMemoryCanvas(int width, int height, COLORREF fill);
    ~CMemoryCanvas();
    CMemoryCanvas(const CMemoryCanvas&) = delete;
    CMemoryCanvas& operator=(const CMemoryCanvas&) = delete;

    CDC& DC() { return mDC; }
    COLORREF Pixel(int x, int y) const { return mDC.GetPixel(x, y); }
    void Fill(COLORREF color);
    // How many pixels have the colour.
    int Count(COLORREF color) const;

private:
    int mWidth;
    int mHeight;
    CDC mDC;
    HBITMAP mBitmap = nullptr;
    HGDIOBJ mPrevious = nullptr;
};

// Asks the parent to have an owner-draw control draw itself in the given state
// (ODS_SELECTED, ODS_FOCUS ...) into the canvas at rect, as the control does when it paints.
void DrawOwnerDrawItem(CWnd& parent, CWnd& control, UINT state, CMemoryCanvas& canvas, const RECT& rect);
