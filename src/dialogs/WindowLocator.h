#pragma once
#include "afxwin.h"

// Keeps a child window anchored while its parent resizes. Each edge of the window
// follows a share of the parent's growth since the reference: left and right of the
// width's growth, top and bottom of the height's, each share in 1/256 (256 follows the
// parent's edge fully, 0 stays put). The defaults are 0 for left and top and 100 for
// right and bottom - 100 of 256, not all of it.
//
// The reference is the parent's client rectangle when the window was set (or when Move
// first saw the parent), and the window's rectangle within its parent at that time. Each
// move starts from that reference, so moves never add up rounding errors:
//   new left = (W x left >> 8) - (W0 x left >> 8) + reference left
// with W and W0 the parent's present and reference client widths, each product shifted
// on its own; likewise right with the width, top and bottom with the heights.
//
// Decision of this library: Move measures the parent it is given, or the window's own
// parent when it is given none.
class AFX_EXT_CLASS CWindowLocator {
public:
    enum { kDefaultLeft = 0, kDefaultRight = 100, kDefaultTop = 0, kDefaultBottom = 100 };

    CWindowLocator();
    virtual ~CWindowLocator();

    // Takes the window and its rectangle within its parent as the reference; a null
    // window forgets the reference.
    void SetWindow(CWnd* window);
    CWnd* GetWindow() const { return mWindow; }
    const CRect& GetReference() const { return mReference; }

    void SetLeft(unsigned short factor) { mLeft = factor; }
    void SetRight(unsigned short factor) { mRight = factor; }
    void SetTop(unsigned short factor) { mTop = factor; }
    void SetBottom(unsigned short factor) { mBottom = factor; }
    void SetLocation(unsigned short left, unsigned short top, unsigned short right, unsigned short bottom);

    // Moves the window for the parent's present client size. Without a window (or one
    // without a handle) it only takes the parent's client rectangle as the reference when
    // it has none.
    virtual void Move(CWnd* parent);
    // Moves the window to the rectangle within its parent and repaints it.
    virtual void MoveWindow(CRect& rect);

private:
    CWnd* mWindow = nullptr;
    CRect mReference;
    CRect mWindowRect;
    unsigned short mLeft = kDefaultLeft;
    unsigned short mRight = kDefaultRight;
    unsigned short mTop = kDefaultTop;
    unsigned short mBottom = kDefaultBottom;
};
