#include "afxext.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_cxLeftBorder(0), m_cxRightBorder(0), m_cyTopBorder(0), m_cyBottomBorder(0),
      m_bAutoDelete(FALSE), m_dwStyle(0), m_dwDockStyle(0), m_pDockSite(nullptr),
      m_pDockBar(nullptr), m_pDockContext(nullptr)
{
}

CControlBar::~CControlBar()
{
    if (m_hWnd)
        DestroyWindow();
    delete m_pDockContext;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle)
        return;
    m_dwStyle = dwStyle;
    // The borders are non-client: a change must reach the frame of the window.
    if (m_hWnd)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (!dwDockStyle) {
        delete m_pDockContext;
        m_pDockContext = nullptr;
    } else if (!m_pDockContext) {
        m_pDockContext = new CDockContext(this);
    }
}

BOOL CControlBar::IsFloating() const
{
    return m_pDockBar && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsVisible() const
{
    return m_hWnd && (GetStyle() & WS_VISIBLE) != 0;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    return GetParentFrame();
}

CSize CControlBar::CalcFixedLayout(BOOL, BOOL)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, IsHorz());
    return CSize(-rect.Width(), -rect.Height());
}

CSize CControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (nLength == -1 && !(nMode & (LM_MRUWIDTH | LM_COMMIT)) && (nMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout(nMode & LM_STRETCH, (nMode & LM_HORZDOCK) != 0);
    return CalcFixedLayout(nMode & LM_STRETCH, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL) const
{
    rect.left += m_cxLeftBorder;
    rect.right -= m_cxRightBorder;
    rect.top += m_cyTopBorder;
    rect.bottom -= m_cyBottomBorder;
}

void CControlBar::DoPaint(CDC*) {}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(rect.left++, rect.top, 1, rect.Height(), light);
    if (m_dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(rect.left, rect.top++, rect.Width(), 1, light);
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(--rect.right, rect.top, 1, rect.Height(), dark);
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left, --rect.bottom, rect.Width(), 1, dark);
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The frame the bar is made in docks it, wherever it goes later.
    CWnd* parent = GetParent();
    CFrameWnd* frame = parent && parent->IsKindOf(RUNTIME_CLASS(CFrameWnd))
                           ? static_cast<CFrameWnd*>(parent)
                           : GetParentFrame();
    if (frame && !IsDockBar()) {
        m_pDockSite = frame;
        frame->m_listControlBars.AddTail(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockBar) {
        m_pDockBar->RemoveControlBar(this);
        m_pDockBar = nullptr;
    }
    if (m_pDockSite) {
        if (POSITION pos = m_pDockSite->m_listControlBars.Find(this))
            m_pDockSite->m_listControlBars.RemoveAt(pos);
        m_pDockSite = nullptr;
    }
    CWnd::OnDestroy();
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rect = lpncsp->rgrc[0];
    if (m_dwStyle & CBRS_BORDER_LEFT)
        ++rect.left;
    if (m_dwStyle & CBRS_BORDER_TOP)
        ++rect.top;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        --rect.right;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        --rect.bottom;
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
}

void CControlBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    DrawBorders(&dc, rect);
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pDockContext && m_pDockBar && !m_pDockBar->m_bFloating) {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT, CPoint)
{
    if (m_pDockContext && m_pDockBar)
        m_pDockContext->ToggleDocking();
    else
        Default();
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!IsVisible() || !(m_dwStyle & CBRS_ALIGN_ANY) || IsFloating())
        return 0;
    CRect rect(layout->rect);
    const CSize avail = rect.Size();
    CSize size = CalcFixedLayout(layout->bStretch, IsHorz());
    size.cx = std::max<LONG>(0, std::min<LONG>(size.cx, avail.cx));
    size.cy = std::max<LONG>(0, std::min<LONG>(size.cy, avail.cy));
    if (IsHorz()) {
        layout->sizeTotal.cy += size.cy;
        layout->sizeTotal.cx = std::max<LONG>(layout->sizeTotal.cx, size.cx);
        if (m_dwStyle & CBRS_ALIGN_TOP) {
            layout->rect.top += size.cy;
        } else {
            rect.top = rect.bottom - size.cy;
            layout->rect.bottom -= size.cy;
        }
    } else {
        layout->sizeTotal.cx += size.cx;
        layout->sizeTotal.cy = std::max<LONG>(layout->sizeTotal.cy, size.cy);
        if (m_dwStyle & CBRS_ALIGN_LEFT) {
            layout->rect.left += size.cx;
        } else {
            rect.left = rect.right - size.cx;
            layout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (layout->hDWP) {
        CRect now;
        GetWindowRect(&now);
        GetParent()->ScreenToClient(&now);
        if (now != rect)
            layout->hDWP = ::DeferWindowPos(layout->hDWP, m_hWnd, nullptr, rect.left, rect.top,
                                            rect.Width(), rect.Height(),
                                            SWP_NOACTIVATE | SWP_NOZORDER);
    }
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_pDockSite && IsVisible())
        OnUpdateCmdUI(m_pDockSite, static_cast<BOOL>(wParam));
    return 0;
}
