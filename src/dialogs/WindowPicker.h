#pragma once
#include "controls/TooltipWindow.h"

#include "tnwwndut.h"

#include <memory>

// A small control that the user drags onto a window to pick it. Pressing the left button
// on it starts tracking: the pointer becomes the picker's cross hairs and a rubber band
// outlines the window under it wherever it goes on the desktop. Releasing the button
// picks that window: its handle stays readable (GetPickedWindow) and listeners hear
// kWindowPicked with the picker as sender.
//
// The picker shows a raised frame with its icon in the middle; it also draws itself into
// a device context it is given (WM_PRINTCLIENT), as the system's controls do. Its icon (resource 10083)
// and cursor (10085) are the library's own, loaded with the picker and destroyed with it.
//
// The window under the pointer is the deepest visible window there. A maximised window
// is picked like any other, but not outlined: its outline would run along the screen's
// edges.
//
// Decisions of this library:
// - While the pointer is over a maximised window, no band is shown, so that the band never
//   outlines a window that would not be picked.
// - When another window takes the mouse capture while the picker tracks, tracking ends
//   without a pick: the band goes, the earlier cursor comes back, and nothing is
//   announced.
class AFX_EXT_CLASS CWindowPicker : public CTooltipWindow, public CBroadcaster {
public:
    enum { kWindowPicked = 88433342 };
    enum { kIconSize = 32 };
    static constexpr COLORREF kLightEdge = 0xFFFFFF;
    static constexpr COLORREF kDarkEdge = 0x202020;

    CWindowPicker();
    ~CWindowPicker() override;

    void StartTracking();
    bool IsTracking() const { return mTracking; }
    // Records the window under the screen point and outlines it.
    void ProcessDrag(CPoint& point);
    HWND GetPickedWindow() const { return mPicked; }
    // Whether a band outlines a window now.
    bool IsOutlining() const { return mIndicator && mIndicator->IsDrawn(); }
    // Takes the band off the screen and forgets it.
    void Reset();

    HICON GetIcon() const { return mIcon; }
    HCURSOR GetCursor() const { return mCursor; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Draw(CDC& dc);
    // Ends tracking: the band goes, the capture and the earlier cursor come back.
    void StopTracking();

    HICON mIcon;
    HCURSOR mCursor;
    HCURSOR mPreviousCursor = nullptr;
    bool mTracking = false;
    std::unique_ptr<tnwwndut::CDragIndicator> mIndicator;
    HWND mPicked = nullptr;
};
