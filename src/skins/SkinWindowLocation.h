#pragma once
#include "afxwin.h"
#include "skins/SkinLocation.h"

// A skin location that places a window: loading moves the window to the skin's left,
// top, width and height (in its parent's client coordinates, or on the screen for a
// window without a parent) and repaints it. SetWindow takes the window's present
// rectangle as the location's numbers, so that a skin without the section keeps the
// window where the application put it, and a save stores where it is.
//
// Decision of this library: a skin's numbers that cannot place a window - a width or
// height that is negative or larger than kMaxExtent, or a left or top farther than
// kMaxExtent from 0, each read as a signed number - are refused as a whole: Load then
// answers false and leaves the window and the location's numbers as they were.
class AFX_EXT_CLASS CSkinWindowLocation : public CSkinLocation {
public:
    enum { kMaxExtent = 32767 };

    CSkinWindowLocation(const char* name, CWnd* window);

    void SetWindow(CWnd* window);
    CWnd* GetWindow() const { return mWindow; }
    // The window's rectangle within its parent as the location's numbers, when the window
    // exists.
    void GetWindowInfo();
    // False without a window.
    bool Load() override;

private:
    CWnd* mWindow = nullptr;
};
