#pragma once
#include "WindowExport.h"

#include <windows.h>

// The window support library keeps its rubber bands in a namespace of their own: the
// class library has a drag indicator of the same name for its node windows, and both are
// used side by side.
namespace tnwwndut {

// A rubber-band rectangle that follows a mouse drag over a window, for choosing an area
// of the screen or pointing out a window. Points and rectangles are in screen
// coordinates; the band is drawn over the whole window (frame included), or over the
// whole screen for the desktop window or a null window.
//
// The band is drawn by inverting pixels, so that drawing it a second time leaves the
// window as it was: the indicator must be undrawn (Undraw, or its destruction) before the
// window paints itself again, and the window must not change under a drawn band.
//
// Decisions of this library:
// - The first Drag anchors the band at its point; each later Drag moves the opposite
//   corner and redraws. Move shows the band on a rectangle and anchors it there.
// - GetDrawRect is normalised (left <= right, top <= bottom) whichever way the mouse went,
//   and empty before the first Drag or Move.
// - A Move or Drag that changes nothing does not redraw, so a band that follows the mouse
//   over one window does not flicker.
// - Draw and Undraw show and hide the band once: a second Draw draws nothing more.
// - The plain band is a one-pixel halftone frame, as the system draws its own drag
//   rectangles.
class TNWWND_CLASS CDragIndicator {
public:
    explicit CDragIndicator(HWND window) : CDragIndicator(window, 1, false) {}
    // Erases a band still shown.
    virtual ~CDragIndicator();
    CDragIndicator(const CDragIndicator&) = delete;
    CDragIndicator& operator=(const CDragIndicator&) = delete;

    void Drag(const POINT& screenPoint);
    void Move(const RECT& screenRect);
    RECT GetDrawRect() const;
    void Draw();
    void Undraw();
    bool IsDrawn() const { return mDrawn; }

protected:
    // A frame `thickness` pixels wide, every pixel inverted when solid, every other pixel
    // (a halftone) otherwise.
    CDragIndicator(HWND window, int thickness, bool solid);

private:
    void Show(const RECT& rect);
    void Toggle();
    // Inverts the band on rect, given in the coordinates of dc (the window's whole area).
    void DrawBand(HDC dc, const RECT& rect) const;

    HWND mWindow;
    int mThickness;
    bool mSolid;
    bool mAnchored = false;
    POINT mAnchor = {};
    RECT mRect = {};
    bool mDrawn = false;
};

} // namespace tnwwndut
