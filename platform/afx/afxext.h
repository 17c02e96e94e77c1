#pragma once
// Control bars and docking: bars that sit along the edges of a frame window, move between
// its edges, float in small frames of their own and come back.
//
// How the pieces meet:
// - A frame that calls EnableDocking owns one CDockBar per enabled edge, children of the
//   frame with the ids AFX_IDW_DOCKBAR_TOP ... _BOTTOM. A docked bar is a child of its
//   dock bar; a floating bar is a child of the dock bar inside a CMiniDockFrameWnd, a
//   tool window owned by the frame. Either way the frame stays the bar's dock site.
// - A dock bar keeps its bars in rows (columns on the left and right edges). A bar docked
//   without a rectangle starts a row of its own; a bar dropped at a rectangle joins the
//   row under it, in the order of their positions.
// - The frame's RecalcLayout hands the client area to its dock bars in creation order
//   (WM_SIZEPARENT); each takes its slice from an edge and places its bars, and the view
//   (AFX_IDW_PANE_FIRST) gets the rest.
// - A bar's CDockContext runs the mouse: dragging shows a rectangle that has the bar's
//   docked shape over a dock bar it may join and its floating shape elsewhere, and drops it
//   there; a double click toggles between docked and floating; the floating frame's
//   borders resize a bar that sizes itself (CBRS_SIZE_DYNAMIC).
#include "afxwin.h"
#include "afxres.h"

class CDockContext;
class CMiniDockFrameWnd;

// Styles of a floating frame, in the low word of its window style.
#define MFS_SYNCACTIVE 0x0100L
#define MFS_4THICKFRAME 0x0200L  // sized from its four sides only, never from a corner
#define MFS_THICKFRAME 0x0400L
#define MFS_MOVEFRAME 0x0800L
#define MFS_BLOCKSYSMENU 0x1000L

// Asked of a floating frame whose dock bar lost its last bar. Posted, so that the frame
// never goes away under a handler of its own that moved the bar out.
#define WM_DESTROYIFEMPTY 0x0376

// A bar along an edge of a frame (or floating beside it): the base of every dockable bar.
// It keeps its bar style apart from its window style, takes its slice of the frame's client
// area when the frame lays out, updates its commands when the thread idles, and hands the
// mouse to its dock context for dragging and docking.
class AFX_CORE_CLASS CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    // Deletes the dock context; a bar still docked leaves its dock bar.
    ~CControlBar() override;

    // Bar style: CBRS_ALIGN_xxx (where it sits), CBRS_BORDER_xxx, CBRS_FLOATING,
    // CBRS_SIZE_DYNAMIC and the rest. Kept apart from the window style.
    DWORD GetBarStyle() { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle);
    // Allows docking to the sides in dwDockStyle (CBRS_ALIGN_xxx, CBRS_FLOAT_MULTI) and
    // gives the bar its dock context; 0 forbids docking and dragging.
    void EnableDocking(DWORD dwDockStyle);
    BOOL IsFloating() const;
    BOOL IsHorz() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
    BOOL IsVisible() const;
    virtual BOOL IsDockBar() const { return FALSE; }
    CFrameWnd* GetDockingFrame() const;

    // The size the bar wants: bHorz along a horizontal edge, else a vertical one; with
    // bStretch as long as the edge. The base answers its borders only.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The size for a layout mode (LM_xxx) and a length (-1: none). The base answers
    // CalcFixedLayout: docked orientation for a docking query, LM_HORZ otherwise.
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // Updates the bar's items from the commands of pTarget, when the thread idles.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    // The client rectangle less the borders of the bar style.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    virtual void DoPaint(CDC* pDC);
    // Draws the borders of the bar style inside rect (window coordinates) and shrinks
    // rect by them.
    virtual void DrawBorders(CDC* pDC, CRect& rect);

    int m_cxLeftBorder, m_cxRightBorder;
    int m_cyTopBorder, m_cyBottomBorder;
    // Bars made with new set it: the object is deleted with its window.
    BOOL m_bAutoDelete;
    DWORD m_dwStyle;
    DWORD m_dwDockStyle;
    CFrameWnd* m_pDockSite;     // the frame that docks it; set at creation
    CDockBar* m_pDockBar;       // the dock bar it sits in, or null
    CDockContext* m_pDockContext;

protected:
    void PostNcDestroy() override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    friend class CFrameWnd;
    friend class CDockBar;
};

// One edge of a frame, or the inside of a floating frame: the bars it holds, in rows.
class AFX_CORE_CLASS CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
    BOOL IsDockBar() const override { return TRUE; }

    // Takes the bar in (it leaves the dock bar it was in): at lpRect (screen) when given,
    // in a new last row otherwise.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Lets the bar go; FALSE when it was not here.
    BOOL RemoveControlBar(CControlBar* pBar);
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // The bars in rows: row, then position in the row.
    int GetRowCount() const { return static_cast<int>(m_rows.GetSize()); }
    int GetBarCount(int nRow) const;
    CControlBar* GetBar(int nRow, int nIndex) const;
    CControlBar* GetFirstBar() const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void DoPaint(CDC* pDC) override;

    BOOL m_bFloating;
    // The area the last layout offered, in the parent's client coordinates.
    CRect m_rectLayout;

protected:
    // Places the bars inside a dock bar of the given length (its extent along the edge),
    // and answers the depth (across the edge) the rows need.
    int PlaceBars(int nLength, BOOL bHorz);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Each row is a CPtrArray of CControlBar*; rows never hold nulls and are never empty.
    CPtrArray m_rows;
    CPtrArray* RowOf(CControlBar* pBar, int* pIndex) const;
};

// The mouse side of docking, one per bar that allows it.
class AFX_CORE_CLASS CDockContext {
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();

    // Drags the bar from point (screen) until the left button comes up (drop), Escape or
    // the right button (cancel), or the capture is lost (cancel); returns after the drop.
    virtual void StartDrag(CPoint pt);
    // One step of a drag: the rectangles follow the point, and the docking decision is
    // taken again. EndDrag drops where the last Move decided; CancelDrag drops nothing.
    void Move(CPoint pt);
    void EndDrag();
    void CancelDrag();
    // Resizes a floating bar from a border or corner of its frame (nHitTest: HTLEFT ...
    // HTBOTTOMRIGHT) from point (screen) until the button comes up.
    virtual void StartResize(int nHitTest, CPoint pt);
    void Stretch(CPoint pt);
    void EndResize();
    // Floats a docked bar where it last floated, docks a floating one where it last sat.
    virtual void ToggleDocking();

    // The dock bar a drop at the current rectangles would join, or null to float.
    CDockBar* GetDropTarget() const { return m_pTargetDockBar; }
    // The shape the drag shows now, in screen coordinates.
    CRect GetDragRect() const;

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle;       // the sides the bar allows
    DWORD m_dwOverDockStyle;   // the side under the drag rectangle, 0 to float
    DWORD m_dwStyle;           // the bar's style when the drag began
    CPoint m_ptLast;
    CRect m_rectLast;
    CRect m_rectDragHorz, m_rectDragVert;          // docked shapes
    CRect m_rectFrameDragHorz, m_rectFrameDragVert;  // floating shapes, frame included
    BOOL m_bDragging;
    int m_nHitTest;            // the border a resize holds, HTNOWHERE otherwise
    // Where the bar last sat and last floated.
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;

protected:
    // Runs the mouse until the operation ends; FALSE when it was cancelled.
    BOOL Track();
    void InitLoop();
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    CDockBar* DockBarUnder(DWORD* pdwStyle) const;
    BOOL m_bShown;
    CDockBar* m_pTargetDockBar;
    CRect m_rectShown;
    int m_nShownThickness;
    CRect m_rectResizeStart;
    CPoint m_ptResizeStart;
};

// The small frame a floating bar lives in: a tool window owned by the dock site with one
// dock bar (AFX_IDW_DOCKBAR_FLOAT) that holds the bar. It sizes itself to the bar, hides
// the bar when closed, drags the bar from its caption and resizes it from its borders.
// It destroys itself once its bar has left.
class AFX_CORE_CLASS CMiniDockFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();
    ~CMiniDockFrameWnd() override;

    // A sizable frame (MFS_4THICKFRAME) for bars that size themselves
    // (CBRS_SIZE_DYNAMIC), a fixed one for the others.
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // Grows a client rectangle by the frame and caption of a floating frame.
    static void PASCAL CalcBorders(CRect& rect, DWORD dwBarStyle = CBRS_SIZE_DYNAMIC);

    CDockBar m_wndDockBar;

protected:
    afx_msg void OnClose();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnDestroyIfEmpty(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    friend class CDockBar;
};
