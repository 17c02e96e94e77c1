#pragma once
#include "controls/XpButton.h"

// A bitmap-framed button that repeats its click while the user holds it down: once the
// button has been held for more than 500 ms, every hover notification (one each 20 ms
// while the mouse rests on it) posts the parent another click - WM_COMMAND with the
// button's id, notification code 0 and the button's window - until the button is
// released. A click shorter than 500 ms posts no extra click, so the normal click stands
// alone.
//
// A button that loses the mouse capture while held (another window took it, a message box
// opened) is no longer held and stops repeating.
class AFX_EXT_CLASS CXpHoverButton : public CXpButton {
public:
    enum { kHoverTime = 20, kRepeatDelay = 500 };

    CXpHoverButton();

    bool IsHeld() const { return mHeld; }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

private:
    void TrackHover();
    void Release();

    TRACKMOUSEEVENT mTracking;
    bool mHeld = false;
    DWORD mRepeatDelay = kRepeatDelay;
    DWORD mPressTime = 0;
};
