#pragma once
#include "afxext.h"

class CPanel;

// A control bar that hosts one dialog in a frame window: docked at any edge it draws its
// own frame (a gripper with a close and a float button, and a sizing edge on the side that
// faces the frame's centre, by which the user makes it wider or narrower); it can be
// dragged to another edge, floated by a double click on its gripper, and sized from the
// corners of its floating frame. The frame's docking does the rest: the application calls
// EnableDocking on the bar and on the frame, then DockControlBar.
//
// The hosted dialog is made from a child template (WS_CHILD, DS_CONTROL), belongs to the
// caller and is never deleted by the bar; its window goes with the bar's. The bar keeps
// three sizes: the height along a horizontal edge, the width along a vertical edge and the
// floating size, so floating and docking again give back what the user chose.
//
// The Create that hosts a CPanel takes the panel's own template; the panels layer, above
// this one, defines it beside the panel.
//
// Decisions of this library:
// - The window style given to Create loses the bar bits (CBRS_ALL), which keep their
//   meaning only as the bar style; WS_CHILD is always added. The bar's window id is the
//   template id.
// - Create fails (and leaves no bar window) when the dialog cannot be created.
// - The length a docked bar asks for is that of its own dock bar; asked for the other
//   orientation (while dragged), that of the frame's dock bar of that orientation, and
//   the frame's client extent when neither edge of it is enabled.
// - Painting never lays the frame out itself: a bar that no longer spans its edge asks for
//   a layout when the thread idles, so that painting and layout cannot feed each other.
// - ClientToWnd maps through the window's real client origin, so a drag of the sizing edge
//   moves it by exactly the mouse's distance on every side.
// - A resize keeps the bar between 32 pixels and the extent of the frame's client area
//   along the resize axis.
// - StopTracking does nothing when no resize runs: releasing the capture reports its loss,
//   which must not erase the tracker a second time.
// - The hosted dialog's controls are updated from the frame's update handlers, and never
//   disabled for want of one: the dialog handles its own buttons.
// - Sizing a floating bar from a corner follows the dock context's last mouse point, less
//   the borders and caption its floating frame really has (measured, not assumed), so the
//   bar grows by exactly what the corner moved.
class AFX_EXT_CLASS CCoolDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CCoolDialogBar)
public:
    CCoolDialogBar();
    ~CCoolDialogBar() override;

    // Creates the bar in pParentWnd (a frame) with the title, and the dialog as its child
    // from the template templateId (low 16 bits). Nonzero on success.
    virtual BOOL Create(CWnd* pParentWnd, CDialog* pDialog, LPCSTR pTitle, UINT templateId,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_LEFT);
    // The same for a panel, from the panel's own template (CPanel::GetId).
    virtual BOOL Create(CWnd* pParentWnd, CPanel* pPanel, LPCSTR pTitle,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_LEFT);

    // Docked at the top or the bottom.
    BOOL IsHorz() const;
    // A point in client coordinates to window coordinates.
    void ClientToWnd(CPoint& point) const;
    // Resizing by the sizing edge: the tracker follows the mouse until StopTracking, which
    // takes the new size when accept is set.
    void StartTracking();
    void StopTracking(BOOL bAccept);
    BOOL IsTracking() const { return mTracking; }
    // Inverts the resize feedback over rect (window coordinates): once draws, twice erases.
    virtual void OnInvertTracker(const CRect& rect);
    void DrawGripper(CDC& dc);

    CDialog* GetDialog() const { return mChild; }
    // The sizing edge and the buttons, in window coordinates; empty while floating.
    const CRect& GetEdgeRect() const { return mEdgeRect; }
    const CRect& GetCloseRect() const { return mCloseRect; }
    const CRect& GetFloatRect() const { return mFloatRect; }
    const CRect& GetGripperRect() const { return mGripperRect; }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    static const int kMinimum = 32;
    static const int kInitialSize = 200;
    static const int kEdgeWidth = 6;
    static const int kGripperWidth = 20;
    static const int kGap = 3;

protected:
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()

private:
    // The dock bar the bar sits in now: AFX_IDW_DOCKBAR_xxx, or 0 when it floats or was
    // never docked.
    UINT CurrentSide() const;
    BOOL IsDocked() const { return CurrentSide() != 0; }
    // The length of an edge of the given orientation, measured as the decisions above say.
    int EdgeLength(BOOL bHorz) const;
    // Lays out the edge, gripper and buttons for a window of that size.
    void PlaceFrameParts(const CSize& window);

    COLORREF mHighlight;
    COLORREF mShadow;
    CSize mMinSize;
    CSize mHorzSize;
    CSize mVertSize;
    CSize mFloatSize;
    CRect mEdgeRect;
    CRect mTrackerRect;
    UINT mDockSide;
    CPoint mTrackStart;
    BOOL mTracking;
    BOOL mRepositioning;
    CDialog* mChild;
    CBrush mBrush;
    CRect mFloatRect;
    CRect mCloseRect;
    CRect mGripperRect;
    int mMinFloatWidth;
    int mMinFloatHeight;
};
