#include "afxlistctl.h"
#include "afxtls_.h"

#include <windowsx.h>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::CToolTipCtrl() = default;
CToolTipCtrl::~CToolTipCtrl() = default;

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    return CWnd::CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          pParentWnd->GetSafeHwnd(), nullptr);
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    ti = {};
    ti.cbSize = sizeof(ti);
    if (nIDTool == 0) {
        ti.hwnd = ::GetParent(pWnd->m_hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
    } else {
        ti.hwnd = pWnd->m_hWnd;
        ti.uId = nIDTool;
    }
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    SendMessage(TTM_ACTIVATE, bActivate);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool)
        ti.rect = *lpRectTool;
    else if (nIDTool != 0)
        pWnd->GetClientRect(&ti.rect);
    if (nIDTool == 0)
        ti.uFlags |= TTF_SUBCLASS;
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return AddTool(&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    CString text;
    text.LoadString(nIDText);
    return AddTool(pWnd, text, lpRectTool, nIDTool);
}

BOOL CToolTipCtrl::AddTool(TOOLINFOA* pToolInfo)
{
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(pToolInfo)));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    DelTool(&ti);
}

void CToolTipCtrl::DelTool(TOOLINFOA* pToolInfo)
{
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(pToolInfo));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    // The control copies at most 80 characters unless told the buffer's size, which only
    // newer versions read; a buffer of the largest tip text serves both.
    const int kLargestTip = 1024;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = str.GetBuffer(kLargestTip);
    ti.lpszText[0] = '\0';
    SendMessage(TTM_GETTEXTA, kLargestTip, reinterpret_cast<LPARAM>(&ti));
    str.ReleaseBuffer();
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFOA& toolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
    FillInToolInfo(toolInfo, pWnd, nIDTool);
    return static_cast<BOOL>(SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&toolInfo)));
}

void CToolTipCtrl::SetToolInfo(TOOLINFOA* pToolInfo)
{
    SendMessage(TTM_SETTOOLINFOA, 0, reinterpret_cast<LPARAM>(pToolInfo));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    SendMessage(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

int CToolTipCtrl::GetToolCount() const
{
    return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
}

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, TOOLINFOA* pToolInfo) const
{
    TTHITTESTINFOA hit = {};
    hit.hwnd = pWnd->GetSafeHwnd();
    hit.pt = pt;
    hit.ti.cbSize = sizeof(hit.ti);
    if (!SendMessage(TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit)))
        return FALSE;
    if (pToolInfo)
        *pToolInfo = hit.ti;
    return TRUE;
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

void CToolTipCtrl::SetDelayTime(UINT nDelay)
{
    SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(nDelay));
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}

int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const
{
    return static_cast<int>(SendMessage(TTM_GETDELAYTIME, dwDuration));
}

int CToolTipCtrl::SetMaxTipWidth(int iWidth)
{
    return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth));
}

int CToolTipCtrl::GetMaxTipWidth() const
{
    return static_cast<int>(SendMessage(TTM_GETMAXTIPWIDTH));
}

void CToolTipCtrl::SetTipBkColor(COLORREF clr)
{
    SendMessage(TTM_SETTIPBKCOLOR, clr);
}

void CToolTipCtrl::SetTipTextColor(COLORREF clr)
{
    SendMessage(TTM_SETTIPTEXTCOLOR, clr);
}

void CToolTipCtrl::Pop()
{
    SendMessage(TTM_POP);
}

void CToolTipCtrl::Update()
{
    SendMessage(TTM_UPDATE);
}

namespace {

// The tool tip that windows of one thread share, and the tool it currently shows.
struct ToolTipThreadState {
    CToolTipCtrl tip;
    HWND toolWnd = nullptr;  // the window whose tool is registered, or null
    INT_PTR toolId = -1;
    TOOLINFOA tool = {};
};

ToolTipThreadState& ThreadToolTip()
{
    static CThreadLocal<ToolTipThreadState> sState;
    return sState.GetData();
}

bool IsMouseMessage(UINT message)
{
    return message == WM_MOUSEMOVE || (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK);
}

} // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (bEnable)
        m_nFlags |= WF_TOOLTIPS;
    else
        m_nFlags &= ~WF_TOOLTIPS;
    return TRUE;
}

INT_PTR CWnd::OnToolHitTest(CPoint, TOOLINFOA*) const
{
    return -1;
}

void PASCAL CWnd::CancelToolTips(BOOL)
{
    ToolTipThreadState& state = ThreadToolTip();
    if (state.tip.m_hWnd)
        state.tip.Pop();
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (!IsMouseMessage(pMsg->message))
        return;
    ToolTipThreadState& state = ThreadToolTip();
    // The tool tip belongs to a top-level window and goes with it; a window under another
    // top-level window gets a tool tip of its own.
    HWND owner = GetTopLevelParent()->GetSafeHwnd();
    if (state.tip.m_hWnd && ::GetWindow(state.tip.m_hWnd, GW_OWNER) != owner)
        state.tip.DestroyWindow();
    if (!state.tip.m_hWnd) {
        state.toolWnd = nullptr;
        state.toolId = -1;
        if (!state.tip.Create(FromHandle(owner)))
            return;
    }

    // The point in this window's client coordinates, whichever child the mouse is over.
    CPoint point(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
    ::MapWindowPoints(pMsg->hwnd, m_hWnd, &point, 1);
    TOOLINFOA hit = {};
    hit.cbSize = sizeof(hit);
    const INT_PTR id = OnToolHitTest(point, &hit);
    if (id != state.toolId || m_hWnd != state.toolWnd) {
        if (state.toolWnd)
            state.tip.DelTool(&state.tool);
        state.toolWnd = nullptr;
        state.toolId = -1;
        if (id != -1 && state.tip.AddTool(&hit)) {
            state.tool = hit;
            state.toolWnd = m_hWnd;
            state.toolId = id;
        }
        state.tip.Activate(TRUE);
    }
    MSG relayed = *pMsg;
    relayed.hwnd = m_hWnd;
    relayed.lParam = MAKELPARAM(point.x, point.y);
    state.tip.RelayEvent(&relayed);
}

// Called for every message the thread translates: mouse messages reach the tool tip of the
// nearest window that enabled tool tips; a key press hides any tip.
void AfxFilterToolTipMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) {
        CWnd::CancelToolTips(TRUE);
        return;
    }
    if (!IsMouseMessage(pMsg->message))
        return;
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && (pWnd->m_nFlags & WF_TOOLTIPS)) {
            pWnd->FilterToolTipMessage(pMsg);
            return;
        }
        if (!(::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
            return;
    }
}
