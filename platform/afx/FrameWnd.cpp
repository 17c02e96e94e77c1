#include "afxext.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_INITMENUPOPUP()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd()
    : m_bAutoMenuEnable(TRUE), m_pFloatingFrameClass(nullptr), m_hAccelTable(nullptr),
      m_bInRecalcLayout(FALSE), m_bLayoutPending(FALSE)
{
}

CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, void*)
{
    HMENU menu = nullptr;
    if (lpszMenuName) {
        menu = ::LoadMenuA(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
        if (!menu)
            return FALSE;
    }
    // An overlapped window given the default rectangle lets the system choose its place.
    const int width = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    const int height = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, width,
                  height, pParentWnd->GetSafeHwnd(), menu, nullptr)) {
        if (menu)
            ::DestroyMenu(menu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, void* pContext)
{
    CString title;
    title.LoadString(nIDResource);
    // The title may carry document strings after a newline; the frame shows the first.
    const int newline = title.Find('\n');
    if (newline >= 0)
        title = title.Left(newline);

    LPCSTR resource = MAKEINTRESOURCEA(nIDResource);
    HINSTANCE iconModule = AfxFindResourceHandle(resource, RT_GROUP_ICON);
    HICON icon = ::LoadIconA(iconModule, resource);
    LPCSTR className = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), icon);
    const bool hasMenu = ::FindResourceA(AfxFindResourceHandle(resource, RT_MENU), resource, RT_MENU);
    if (!Create(className, title, dwDefaultStyle, rectDefault, pParentWnd,
                hasMenu ? resource : nullptr, 0, pContext))
        return FALSE;
    m_hAccelTable = ::LoadAcceleratorsA(AfxFindResourceHandle(resource, RT_ACCELERATOR), resource);
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass) {
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                                           ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    }
    return cs.lpszClass != nullptr;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // The application has the last word on commands no window handled.
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccelTable && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
    return FALSE;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        // Separators and submenus have no command of their own.
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1))
            continue;
        state.m_pSubMenu = nullptr;
        state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        // An update handler may have removed items.
        state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    }
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

namespace {

struct DockSide {
    DWORD side;
    UINT id;
};

// The order the edges take their slices in: top and bottom first, so they span the frame.
const DockSide kDockSides[] = { { CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP },
                                { CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM },
                                { CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT },
                                { CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT } };

} // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    if (!m_pFloatingFrameClass)
        m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (const DockSide& side : kDockSides) {
        if (!(dwDockStyle & side.side) || GetDockBar(side.id))
            continue;
        auto* dockBar = new CDockBar;
        dockBar->m_bAutoDelete = TRUE;
        if (!dockBar->Create(this, side.side, side.id))
            delete dockBar;
    }
}

CDockBar* CFrameWnd::GetDockBar(UINT nDockBarID) const
{
    CWnd* wnd = FromHandlePermanent(::GetDlgItem(m_hWnd, static_cast<int>(nDockBarID)));
    return wnd && wnd->IsKindOf(RUNTIME_CLASS(CDockBar)) ? static_cast<CDockBar*>(wnd) : nullptr;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* dockBar = nDockBarID ? GetDockBar(nDockBarID) : nullptr;
    for (int i = 0; !nDockBarID && !dockBar && i < 4; ++i) {
        if (pBar->m_dwDockStyle & kDockSides[i].side)
            dockBar = GetDockBar(kDockSides[i].id);
    }
    // A side that was never enabled has no dock bar: the bar stays where it is.
    if (dockBar)
        DockControlBar(pBar, dockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (!pBar || !pBar->m_hWnd || !pDockBar)
        return;
    if (!pBar->m_pDockSite) {
        pBar->m_pDockSite = this;
        m_listControlBars.AddTail(pBar);
    }
    pDockBar->DockControlBar(pBar, lpRect);
    RecalcLayout();
    if (CDockContext* context = pBar->m_pDockContext) {
        context->m_uMRUDockID = static_cast<UINT>(pDockBar->GetDlgCtrlID());
        pBar->GetWindowRect(&context->m_rectMRUDockPos);
    }
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    CMiniDockFrameWnd* frame = nullptr;
    if (pBar->IsFloating()) {
        frame = static_cast<CMiniDockFrameWnd*>(pBar->m_pDockBar->GetParent());
    } else {
        CObject* object = m_pFloatingFrameClass ? m_pFloatingFrameClass->CreateObject() : new CMiniDockFrameWnd;
        if (!object)
            return;
        if (!object->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))) {
            delete object;
            return;
        }
        frame = static_cast<CMiniDockFrameWnd*>(object);
        if (!frame->Create(this, pBar->m_dwStyle)) {
            // A frame whose window was never made does not free itself.
            if (!frame->m_hWnd)
                delete frame;
            return;
        }
        CString title;
        pBar->GetWindowText(title);
        frame->SetWindowText(title);
        pBar->m_dwStyle = (pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | (dwStyle & CBRS_ALIGN_ANY ? dwStyle & CBRS_ALIGN_ANY : CBRS_ALIGN_TOP);
        frame->m_wndDockBar.DockControlBar(pBar);
    }
    frame->RecalcLayout();
    frame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pBar->IsVisible())
        frame->ShowWindow(SW_SHOWNA);
    if (CDockContext* context = pBar->m_pDockContext) {
        context->m_ptMRUFloatPos = point;
        context->m_dwMRUFloatStyle = dwStyle;
    }
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    pBar->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    if (pBar->IsFloating()) {
        CWnd* frame = pBar->m_pDockBar->GetParent();
        if (bShow)
            static_cast<CFrameWnd*>(frame)->RecalcLayout();
        frame->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    }
    if (bDelay)
        DelayRecalcLayout();
    else
        RecalcLayout();
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (bar->m_hWnd && static_cast<UINT>(bar->GetDlgCtrlID()) == nID)
            return bar;
    }
    return nullptr;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    // A bar asked for its size may lay its frame out again: that inner call has nothing
    // left to do that the running one will not.
    if (m_bInRecalcLayout || !m_hWnd)
        return;
    m_bInRecalcLayout = TRUE;
    m_bLayoutPending = FALSE;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL)
{
    if (m_bLayoutPending || !m_hWnd)
        return;
    m_bLayoutPending = TRUE;
    // Done when the thread idles, or when this arrives, whichever comes first.
    PostMessage(WM_IDLEUPDATECMDUI, FALSE);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_bLayoutPending)
        RecalcLayout();
    // Floating bars live in frames of their own, outside this frame's descendants.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (bar->IsFloating())
            bar->SendMessage(WM_IDLEUPDATECMDUI, wParam);
    }
    return 0;
}
