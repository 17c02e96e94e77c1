#include "afxext.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCHITTEST()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_MESSAGE(WM_DESTROYIFEMPTY, OnDestroyIfEmpty)
END_MESSAGE_MAP()

namespace {

const DWORD kExStyle = WS_EX_TOOLWINDOW;

DWORD WindowStyle(DWORD dwBarStyle)
{
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MFS_SYNCACTIVE;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        style |= WS_THICKFRAME | MFS_4THICKFRAME;
    else
        style |= MFS_MOVEFRAME;
    return style;
}

} // namespace

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

CMiniDockFrameWnd::~CMiniDockFrameWnd() = default;

void PASCAL CMiniDockFrameWnd::CalcBorders(CRect& rect, DWORD dwBarStyle)
{
    ::AdjustWindowRectEx(&rect, WindowStyle(dwBarStyle) & 0xFFFF0000, FALSE, kExStyle);
}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    LPCSTR className = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CreateEx(kExStyle, className, nullptr, WindowStyle(dwBarStyle), 0, 0, 0, 0,
                  pParent->GetSafeHwnd(), nullptr))
        return FALSE;
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || !m_hWnd)
        return;
    CControlBar* bar = m_wndDockBar.GetFirstBar();
    if (!bar)
        return;
    m_bInRecalcLayout = TRUE;
    const CSize size = bar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    bar->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    m_wndDockBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rect(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&rect, GetStyle() & 0xFFFF0000, FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_bInRecalcLayout = FALSE;
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing the frame hides the bar; the dock site may show it again.
    CControlBar* bar = m_wndDockBar.GetFirstBar();
    if (bar && bar->m_pDockSite)
        bar->m_pDockSite->ShowControlBar(bar, FALSE, FALSE);
    else
        ShowWindow(SW_HIDE);
}

LRESULT CMiniDockFrameWnd::OnNcHitTest(CPoint)
{
    LRESULT hit = Default();
    if (GetStyle() & MFS_4THICKFRAME) {
        if (hit == HTTOPLEFT || hit == HTTOPRIGHT)
            hit = HTTOP;
        else if (hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT)
            hit = HTBOTTOM;
    }
    return hit;
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* bar = m_wndDockBar.GetFirstBar();
    if (bar && bar->m_pDockContext) {
        if (nHitTest == HTCAPTION) {
            BringWindowToTop();
            bar->m_pDockContext->StartDrag(point);
            return;
        }
        if (nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT && (bar->m_dwStyle & CBRS_SIZE_DYNAMIC)) {
            bar->m_pDockContext->StartResize(static_cast<int>(nHitTest), point);
            return;
        }
    }
    Default();
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint)
{
    CControlBar* bar = m_wndDockBar.GetFirstBar();
    if (nHitTest == HTCAPTION && bar && bar->m_pDockContext)
        bar->m_pDockContext->ToggleDocking();
    else
        Default();
}

LRESULT CMiniDockFrameWnd::OnDestroyIfEmpty(WPARAM, LPARAM)
{
    if (m_wndDockBar.GetDockedCount() == 0)
        DestroyWindow();
    return 0;
}
