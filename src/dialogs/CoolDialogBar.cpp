#include "dialogs/CoolDialogBar.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CCoolDialogBar, CControlBar)

BEGIN_MESSAGE_MAP(CCoolDialogBar, CControlBar)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CCoolDialogBar::CCoolDialogBar()
    : mHighlight(::GetSysColor(COLOR_BTNHIGHLIGHT)), mShadow(::GetSysColor(COLOR_BTNSHADOW)),
      mMinSize(kMinimum, kMinimum), mHorzSize(kInitialSize, kInitialSize),
      mVertSize(kInitialSize, kInitialSize), mFloatSize(kInitialSize, kInitialSize),
      mEdgeRect(0, 0, 0, 0), mTrackerRect(0, 0, 0, 0), mDockSide(0), mTrackStart(0, 0),
      mTracking(FALSE), mRepositioning(FALSE), mChild(nullptr), mFloatRect(0, 0, 0, 0),
      mCloseRect(0, 0, 0, 0), mGripperRect(0, 0, 0, 0), mMinFloatWidth(::GetSystemMetrics(SM_CXMIN)),
      mMinFloatHeight(::GetSystemMetrics(SM_CYMIN))
{
    mBrush.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
}

CCoolDialogBar::~CCoolDialogBar()
{
    // The window goes before the brush it paints with.
    if (m_hWnd)
        DestroyWindow();
}

BOOL CCoolDialogBar::Create(CWnd* pParentWnd, CDialog* pDialog, LPCSTR pTitle, UINT templateId,
                            DWORD dwStyle)
{
    if (!pParentWnd || !pDialog || m_hWnd)
        return FALSE;
    m_dwStyle = dwStyle & CBRS_ALL;
    LPCSTR className = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           static_cast<HBRUSH>(mBrush.m_hObject));
    const UINT id = LOWORD(templateId);
    if (!className || !CreateEx(0, className, pTitle, (dwStyle & ~CBRS_ALL) | WS_CHILD, 0, 0, 0, 0,
                                pParentWnd->m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id))))
        return FALSE;
    if (!pDialog->Create(id, this)) {
        DestroyWindow();
        return FALSE;
    }
    mChild = pDialog;
    pDialog->ShowWindow(SW_SHOW);
    CRect rect;
    pDialog->GetWindowRect(&rect);
    mHorzSize = mVertSize = mFloatSize = rect.Size();
    // The edge and the gap beside it come on top of the dialog across the edge.
    mHorzSize.cy += kEdgeWidth + kGap;
    mVertSize.cx += kEdgeWidth + kGap;
    return TRUE;
}

UINT CCoolDialogBar::CurrentSide() const
{
    if (!m_pDockBar || m_pDockBar->m_bFloating)
        return 0;
    const UINT id = static_cast<UINT>(m_pDockBar->GetDlgCtrlID());
    return id >= AFX_IDW_DOCKBAR_TOP && id <= AFX_IDW_DOCKBAR_BOTTOM ? id : 0;
}

BOOL CCoolDialogBar::IsHorz() const
{
    const UINT side = CurrentSide();
    return side == AFX_IDW_DOCKBAR_TOP || side == AFX_IDW_DOCKBAR_BOTTOM;
}

void CCoolDialogBar::ClientToWnd(CPoint& point) const
{
    CRect window;
    GetWindowRect(&window);
    ClientToScreen(&point);
    point.Offset(-window.left, -window.top);
}

int CCoolDialogBar::EdgeLength(BOOL bHorz) const
{
    CWnd* edge = nullptr;
    if (IsDocked() && IsHorz() == bHorz) {
        edge = m_pDockBar;
    } else if (m_pDockSite) {
        edge = m_pDockSite->GetDockBar(bHorz ? AFX_IDW_DOCKBAR_TOP : AFX_IDW_DOCKBAR_LEFT);
        if (!edge)
            edge = m_pDockSite->GetDockBar(bHorz ? AFX_IDW_DOCKBAR_BOTTOM : AFX_IDW_DOCKBAR_RIGHT);
        if (!edge)
            edge = m_pDockSite;
    }
    if (!edge)
        return bHorz ? mHorzSize.cx : mVertSize.cy;
    CRect rect;
    if (edge == m_pDockSite)
        edge->GetClientRect(&rect);
    else
        edge->GetWindowRect(&rect);
    return bHorz ? rect.Width() : rect.Height();
}

CSize CCoolDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (IsFloating())
        return mFloatSize;
    if (bHorz)
        return CSize(bStretch ? 32767 : EdgeLength(TRUE) + 4, mHorzSize.cy);
    return CSize(mVertSize.cx, bStretch ? 32767 : EdgeLength(FALSE) + 4);
}

CSize CCoolDialogBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    CWnd* floatingFrame = IsFloating() ? m_pDockBar->GetParent() : nullptr;
    // Its floating frame is sized from the corners too.
    if (floatingFrame && (floatingFrame->GetStyle() & MFS_4THICKFRAME))
        floatingFrame->ModifyStyle(MFS_4THICKFRAME, 0);

    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK)) {
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        if (m_pDockSite)
            m_pDockSite->RecalcLayout();
        return CControlBar::CalcDynamicLayout(nLength, dwMode);
    }
    if (dwMode & LM_MRUWIDTH)
        return mFloatSize;
    if (dwMode & LM_COMMIT) {
        mFloatSize.cx = nLength;
        return mFloatSize;
    }
    const int hit = m_pDockContext ? m_pDockContext->m_nHitTest : HTNOWHERE;
    if (floatingFrame && (hit == HTTOPLEFT || hit == HTTOPRIGHT || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT)) {
        CRect frame;
        floatingFrame->GetWindowRect(&frame);
        const CPoint opposite(hit == HTTOPLEFT || hit == HTBOTTOMLEFT ? frame.right : frame.left,
                              hit == HTTOPLEFT || hit == HTTOPRIGHT ? frame.bottom : frame.top);
        const CPoint mouse = m_pDockContext->m_ptLast;
        // The frame's own borders and caption, as it has them: the bar grows by exactly
        // what the corner moved.
        CRect bar;
        GetWindowRect(&bar);
        const CSize borders = frame.Size() - bar.Size();
        mFloatSize.cx = std::max<LONG>(std::abs(mouse.x - opposite.x) - borders.cx, mMinFloatWidth);
        mFloatSize.cy = std::max<LONG>(std::abs(mouse.y - opposite.y) - borders.cy, mMinFloatHeight);
        CRect drag(opposite, mouse);
        drag.NormalizeRect();
        m_pDockContext->m_rectFrameDragHorz = drag;
        return mFloatSize;
    }
    if (dwMode & LM_LENGTHY) {
        mFloatSize.cy = std::max<LONG>(nLength, mMinSize.cy);
        return mFloatSize;
    }
    return CSize(std::max<LONG>(nLength, mMinSize.cx), mFloatSize.cy);
}

void CCoolDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    if (mChild && mChild->m_hWnd)
        mChild->UpdateDialogControls(pTarget, FALSE);
}

void CCoolDialogBar::PlaceFrameParts(const CSize& window)
{
    const CRect w(CPoint(0, 0), window);
    mEdgeRect.SetRectEmpty();
    mCloseRect.SetRectEmpty();
    mFloatRect.SetRectEmpty();
    mGripperRect.SetRectEmpty();
    switch (CurrentSide()) {
    case AFX_IDW_DOCKBAR_TOP:
        mEdgeRect.SetRect(w.left, w.bottom - kEdgeWidth, w.right, w.bottom);
        break;
    case AFX_IDW_DOCKBAR_BOTTOM:
        mEdgeRect.SetRect(w.left, w.top, w.right, w.top + kEdgeWidth);
        break;
    case AFX_IDW_DOCKBAR_LEFT:
        mEdgeRect.SetRect(w.right - kEdgeWidth, w.top, w.right, w.bottom);
        break;
    case AFX_IDW_DOCKBAR_RIGHT:
        mEdgeRect.SetRect(w.left, w.top, w.left + kEdgeWidth, w.bottom);
        break;
    default:
        return;
    }
    if (IsHorz()) {
        mGripperRect.SetRect(w.left, w.top + 40, w.left + kGripperWidth, w.bottom);
        mCloseRect.SetRect(w.left + 7, w.top + 10, w.left + 19, w.top + 22);
        mFloatRect = mCloseRect;
        mFloatRect.OffsetRect(0, 13);
    } else {
        mGripperRect.SetRect(w.left, w.top, w.right - 40, w.top + kGripperWidth);
        mCloseRect.SetRect(w.right - 21, w.top + 7, w.right - 10, w.top + 18);
        mFloatRect = mCloseRect;
        mFloatRect.OffsetRect(-13, 0);
    }
}

void CCoolDialogBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    // What each side takes from the window: the gripper across the far end, the sizing
    // edge towards the frame's centre and the gap elsewhere; the edge replaces a border.
    struct SideFrame {
        UINT side;
        int left, top, right, bottom;
        DWORD droppedBorder;
    };
    static const SideFrame kSideFrames[] = {
        { AFX_IDW_DOCKBAR_TOP, kGripperWidth, kGap, kGap, kEdgeWidth, CBRS_BORDER_BOTTOM },
        { AFX_IDW_DOCKBAR_LEFT, kGap, kGripperWidth, kEdgeWidth, kGap, CBRS_BORDER_RIGHT },
        { AFX_IDW_DOCKBAR_RIGHT, kEdgeWidth, kGripperWidth, kGap, kGap, CBRS_BORDER_LEFT },
        { AFX_IDW_DOCKBAR_BOTTOM, kGripperWidth, kEdgeWidth, kGap, kGap, CBRS_BORDER_TOP },
    };
    m_dwStyle |= CBRS_BORDER_ANY;
    RECT& rect = lpncsp->rgrc[0];
    PlaceFrameParts(CSize(rect.right - rect.left, rect.bottom - rect.top));
    const UINT side = CurrentSide();
    for (const SideFrame& frame : kSideFrames) {
        if (frame.side != side)
            continue;
        m_dwStyle &= ~frame.droppedBorder;
        rect.left += frame.left;
        rect.top += frame.top;
        rect.right = std::max(rect.left, rect.right - frame.right);
        rect.bottom = std::max(rect.top, rect.bottom - frame.bottom);
    }
}

void CCoolDialogBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    Default();
    if (mRepositioning) {
        if (mChild && mChild->m_hWnd) {
            CRect client;
            GetClientRect(&client);
            mChild->MoveWindow(&client);
        }
        return;
    }
    const UINT side = m_pDockBar ? static_cast<UINT>(m_pDockBar->GetDlgCtrlID()) : 0;
    const bool sized = !(lpwndpos->flags & SWP_NOSIZE);
    if (side != mDockSide || sized || (m_dwStyle & CBRS_BORDER_ANY) != CBRS_BORDER_ANY) {
        mDockSide = side;
        mRepositioning = TRUE;
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        mRepositioning = FALSE;
    }
}

void CCoolDialogBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect window;
    GetWindowRect(&window);
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    client.OffsetRect(-window.left, -window.top);
    window.OffsetRect(-window.left, -window.top);
    const int saved = dc.SaveDC();
    ::ExcludeClipRect(dc.m_hDC, client.left, client.top, client.right, client.bottom);
    dc.FillRect(&window, &mBrush);
    dc.RestoreDC(saved);
    if (!mEdgeRect.IsRectEmpty())
        dc.Draw3dRect(&mEdgeRect, mHighlight, mShadow);
    DrawGripper(dc);
    InvalidateRect(nullptr, TRUE);
}

void CCoolDialogBar::DrawGripper(CDC& dc)
{
    if (!IsDocked())
        return;
    // The bar follows its edge; when it no longer spans it, the layout comes later, never
    // from inside painting.
    if (m_pDockSite && !m_pDockSite->IsInRecalcLayout()) {
        CRect mine, edge;
        GetWindowRect(&mine);
        m_pDockBar->GetWindowRect(&edge);
        if ((IsHorz() ? mine.Width() : mine.Height()) != (IsHorz() ? edge.Width() : edge.Height()))
            m_pDockSite->DelayRecalcLayout();
    }
    ::DrawFrameControl(dc.m_hDC, &mCloseRect, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    ::DrawFrameControl(dc.m_hDC, &mFloatRect, DFC_CAPTION, DFCS_CAPTIONMAX);
    CRect window;
    GetWindowRect(&window);
    window.OffsetRect(-window.left, -window.top);
    CRect line = IsHorz() ? CRect(window.left + 10, window.top + 38, window.left + 13, window.bottom - 10)
                          : CRect(window.left + 10, window.top + 10, window.right - 38, window.top + 13);
    if (line.IsRectEmpty())
        return;
    for (int i = 0; i < 2; ++i) {
        dc.Draw3dRect(&line, mHighlight, mShadow);
        line.OffsetRect(IsHorz() ? 4 : 0, IsHorz() ? 0 : 4);
    }
}

LRESULT CCoolDialogBar::OnNcHitTest(CPoint point)
{
    if (!IsDocked())
        return Default();
    CRect window;
    GetWindowRect(&window);
    point.Offset(-window.left, -window.top);
    if (mCloseRect.PtInRect(point))
        return HTSYSMENU;
    if (mFloatRect.PtInRect(point))
        return HTMINBUTTON;
    if (mGripperRect.PtInRect(point))
        return HTCAPTION;
    if (mEdgeRect.PtInRect(point))
        return HTGROWBOX;
    return Default();
}

void CCoolDialogBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!IsDocked() || mTracking) {
        Default();
        return;
    }
    switch (nHitTest) {
    case HTSYSMENU:
        if (m_pDockSite)
            m_pDockSite->ShowControlBar(this, FALSE, FALSE);
        break;
    case HTMINBUTTON:
        if (m_pDockContext)
            m_pDockContext->ToggleDocking();
        break;
    case HTCAPTION:
        if (m_pDockContext && m_pDockBar)
            m_pDockContext->StartDrag(point);
        break;
    case HTGROWBOX:
        StartTracking();
        break;
    default:
        Default();
        break;
    }
}

void CCoolDialogBar::OnNcLButtonDblClk(UINT nHitTest, CPoint)
{
    if (nHitTest == HTCAPTION && m_pDockContext && m_pDockBar)
        m_pDockContext->ToggleDocking();
    else
        Default();
}

void CCoolDialogBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (mTracking)
        return;
    CControlBar::OnLButtonDown(nFlags, point);
}

void CCoolDialogBar::OnLButtonUp(UINT, CPoint)
{
    if (mTracking)
        StopTracking(TRUE);
    else
        Default();
}

void CCoolDialogBar::OnMouseMove(UINT, CPoint point)
{
    if (!mTracking || !IsDocked()) {
        Default();
        return;
    }
    ClientToWnd(point);
    const CRect previous = mTrackerRect;
    const CPoint centre = mTrackerRect.CenterPoint();
    if (IsHorz())
        mTrackerRect.OffsetRect(0, point.y - centre.y);
    else
        mTrackerRect.OffsetRect(point.x - centre.x, 0);
    if (mTrackerRect == previous)
        return;
    OnInvertTracker(previous);
    OnInvertTracker(mTrackerRect);
}

BOOL CCoolDialogBar::OnSetCursor(CWnd*, UINT nHitTest, UINT)
{
    if (nHitTest == HTGROWBOX && !mTracking && IsDocked()) {
        ::SetCursor(::LoadCursorA(nullptr, IsHorz() ? IDC_SIZENS : IDC_SIZEWE));
        return TRUE;
    }
    return static_cast<BOOL>(Default());
}

void CCoolDialogBar::OnCaptureChanged(CWnd* pWnd)
{
    if (mTracking && pWnd != this)
        StopTracking(FALSE);
    Default();
}

void CCoolDialogBar::StartTracking()
{
    if (mTracking || !IsDocked() || !m_pDockSite)
        return;
    SetCapture();
    RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    ::LockWindowUpdate(m_pDockSite->m_hWnd);
    mTracking = TRUE;
    mTrackStart = mEdgeRect.CenterPoint();
    mTrackerRect = mEdgeRect;
    if (!IsHorz())
        mTrackerRect.bottom -= 4;
    OnInvertTracker(mTrackerRect);
}

void CCoolDialogBar::StopTracking(BOOL bAccept)
{
    if (!mTracking)
        return;
    // Cleared first: releasing the capture reports its loss here again.
    mTracking = FALSE;
    OnInvertTracker(mTrackerRect);
    ::LockWindowUpdate(nullptr);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!bAccept || !m_pDockSite)
        return;

    const CPoint moved = mTrackerRect.CenterPoint() - mTrackStart;
    int growth = 0;
    switch (CurrentSide()) {
    case AFX_IDW_DOCKBAR_TOP: growth = moved.y; break;
    case AFX_IDW_DOCKBAR_BOTTOM: growth = -moved.y; break;
    case AFX_IDW_DOCKBAR_LEFT: growth = moved.x; break;
    case AFX_IDW_DOCKBAR_RIGHT: growth = -moved.x; break;
    default: return;
    }
    CRect client;
    m_pDockSite->GetClientRect(&client);
    const bool horz = IsHorz() != FALSE;
    LONG& size = horz ? mHorzSize.cy : mVertSize.cx;
    const LONG extent = horz ? client.Height() : client.Width();
    const LONG minimum = horz ? mMinSize.cy : mMinSize.cx;
    size = std::max(minimum, std::min(size + growth, extent));
    m_pDockSite->RecalcLayout();
}

void CCoolDialogBar::OnInvertTracker(const CRect& rect)
{
    if (!m_pDockSite || !m_hWnd)
        return;
    CRect bar, site;
    GetWindowRect(&bar);
    m_pDockSite->GetWindowRect(&site);
    CRect area = rect;
    area.OffsetRect(bar.left - site.left, bar.top - site.top);
    area.DeflateRect(1, 1);
    // Drawn past the update lock that keeps the frame still while the tracker moves.
    HDC dc = ::GetDCEx(m_pDockSite->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!dc)
        return;
    const HGDIOBJ previous = ::SelectObject(dc, CDC::GetHalftoneBrush()->m_hObject);
    ::PatBlt(dc, area.left, area.top, area.Width(), area.Height(), PATINVERT);
    ::SelectObject(dc, previous);
    ::ReleaseDC(m_pDockSite->m_hWnd, dc);
}
