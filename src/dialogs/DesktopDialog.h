#pragma once
#include "afxwin.h"
#include "tnwwndut.h"

#include "dialogs/SelectCursor.h"

#include <memory>

// Lets the user drag out a rectangle of the screen as it was when the dialog opened: the
// dialog takes a screenshot (without the mouse cursor), covers the whole screen with it,
// and shows the move cursor while the user drags a rubber band over it. Releasing the
// mouse ends the dialog with IDOK and the selection; Escape ends it with IDCANCEL. In
// every case the dialog gives back the mouse capture and the cursor it found.
//
// The selection is in screen coordinates, kept as unsigned 16-bit values. Until a
// rectangle is dragged it is the whole screen, (0, 0) at the screen's size.
//
// Decisions of this library:
// - A rectangle dragged in any direction (up or left too) is kept normalised, and a
//   rectangle reaching beyond the screen is cut to it.
// - A release without a rectangle (a click without a drag, or a press that began before
//   the dialog opened) leaves the whole screen selected.
// - A press while a rectangle is being dragged continues that drag. When another window
//   takes the mouse capture, the drag in progress is dropped and the next press starts
//   anew.
// - While a band is shown and the dialog repaints, the band is taken off and put back.
// - A screen that cannot be read (the system refuses it) shows black, and the area can be
//   selected all the same.
class AFX_EXT_CLASS CDesktopDialog : public CDialog {
public:
    enum { kTemplateId = 10002 };

    explicit CDesktopDialog(CWnd* parent = nullptr);
    ~CDesktopDialog() override;

    unsigned short GetX() const { return mX; }
    unsigned short GetY() const { return mY; }
    unsigned short GetWidth() const { return mWidth; }
    unsigned short GetHeight() const { return mHeight; }
    // Takes the band off the screen and forgets it.
    void Reset();
    bool IsTracking() const { return mTracking; }
    const CScreenCapture& GetScreenCapture() const { return mCapture; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

private:
    void TakeSelection(const RECT& screenRect);
    // Ends tracking, gives back the capture and the cursor, and ends the dialog.
    void Finish(int result);

    CScreenCapture mCapture;
    std::unique_ptr<StSelectCursor> mCursor;
    bool mTracking = false;
    std::unique_ptr<tnwwndut::CObviousDragIndicator> mIndicator;
    unsigned short mX = 0;
    unsigned short mY = 0;
    unsigned short mWidth = 0;
    unsigned short mHeight = 0;
};
