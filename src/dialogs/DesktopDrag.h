#pragma once
#include "afxwin.h"
#include "tnwwndut.h"

#include <memory>

// Draws a rubber band over the live desktop while the user drags with the left button.
// The window takes the mouse capture when tracking starts, so the whole drag reaches it
// wherever the mouse goes; the release ends the drag, takes the band off, gives the
// capture back and stops tracking. GetSelection then gives the rectangle dragged, in
// screen coordinates.
//
// Decisions of this library:
// - A press while a band is shown starts the drag anew from the press: the earlier band
//   is taken off first.
// - When another window takes the mouse capture, the drag and the tracking end, and the
//   band is taken off.
class AFX_EXT_CLASS CDesktopDrag : public CWnd {
public:
    CDesktopDrag();
    ~CDesktopDrag() override;

    // Takes the mouse capture, once.
    void StartTracking();
    bool IsTracking() const { return mTracking; }
    // Takes the band off the screen and forgets it.
    void Reset();
    // The last rectangle dragged (normalised, screen coordinates); empty before any.
    const CRect& GetSelection() const { return mSelection; }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

private:
    bool mTracking = false;
    std::unique_ptr<tnwwndut::CDragIndicator> mIndicator;
    CRect mSelection;
};
