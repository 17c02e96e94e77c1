#pragma once
#include "WindowExport.h"

#include <windows.h>

// A screenshot of the whole (primary) screen, with or without the mouse cursor, kept in a
// bitmap of the screen's size until the next capture or the object's end.
//
// Decisions of this library:
// - Only the whole screen is captured: SetCapture accepts kCaptureScreen (0) and refuses
//   every other mode, and Capture then fails.
// - The cursor, when wanted, is the one showing at the moment of the capture, drawn with
//   its hot spot on the pointer's position; a hidden cursor is not drawn.
// - A failed capture keeps nothing: GetBitmap is null and GetWidth/GetHeight are 0.
// - The bitmap stays selected into the capture's own memory device context; Draw copies
//   it from there. A caller that wants to select the bitmap elsewhere detaches nothing:
//   it copies it with Draw.
class TNWWND_CLASS CScreenCapture {
public:
    enum { kCaptureScreen = 0 };

    CScreenCapture();
    virtual ~CScreenCapture();
    CScreenCapture(const CScreenCapture&) = delete;
    CScreenCapture& operator=(const CScreenCapture&) = delete;

    void SetWantCursor(bool wantCursor) { mWantCursor = wantCursor; }
    bool GetWantCursor() const { return mWantCursor; }
    // What the next Capture takes; false (and nothing changed) for a mode not supported.
    bool SetCapture(int mode);
    int GetCapture() const { return mMode; }

    // Takes the screenshot; false when the screen cannot be read.
    bool Capture();

    HBITMAP GetBitmap() const { return mBitmap; }
    int GetWidth() const { return mWidth; }
    int GetHeight() const { return mHeight; }
    // Copies the screenshot (SRCCOPY) with its top-left corner at (x, y); false without one.
    bool Draw(HDC dc, int x, int y) const;

private:
    void Release();
    static void DrawCursor(HDC dc);

    bool mWantCursor = true;
    int mMode = kCaptureScreen;
    int mWidth = 0;
    int mHeight = 0;
    HBITMAP mBitmap = nullptr;
    HDC mDC = nullptr;
    HGDIOBJ mDCBitmap = nullptr; // what mDC held before mBitmap
};
