#include "panels/Panel.h"

#include "dialogs/CoolDialogBar.h"
#include "util/WindowsUtils.h"

IMPLEMENT_DYNAMIC(CPanel, CDialog)

CPanel::CPanel(UINT id, CWnd* parent) : CDialog(id, parent), mId(id) {}

CPanel::~CPanel()
{
    if (m_hWnd)
        DestroyWindow();
}

bool CPanel::CreateInWindow(CWnd* host, bool fit)
{
    if (m_hWnd || !host || !host->GetSafeHwnd())
        return false;
    if (!Create(MAKEINTRESOURCEA(LOWORD(mId)), host))
        return false;
    GetClientRect(&mNativeRect);
    if (!(GetStyle() & WS_CHILD)) {
        ModifyStyle(WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, WS_CHILD);
        ::SetParent(m_hWnd, host->m_hWnd);
    }
    ShowWindow(SW_HIDE);
    if (fit)
        FitInWindow(host);
    return true;
}

bool CPanel::CreateInWindow(CTabCtrl* tab)
{
    if (!CreateInWindow(static_cast<CWnd*>(tab), false))
        return false;
    FitInWindow(tab);
    return true;
}

void CPanel::FitInWindow(CWnd* host)
{
    if (!m_hWnd || !host || !host->m_hWnd)
        return;
    CRect client;
    host->GetClientRect(&client);
    MoveWindow(&client, TRUE);
}

void CPanel::FitInWindow(CTabCtrl* tab)
{
    if (!m_hWnd || !tab || !tab->m_hWnd)
        return;
    CRect area;
    tab->GetClientRect(&area);
    tab->AdjustRect(FALSE, &area);
    MoveWindow(&area, TRUE);
}

void CPanel::SetEnable(bool enabled)
{
    if (enabled == mEnabled)
        return;
    mEnabled = enabled;
    OnEnable(enabled);
    Broadcast(kEnabledChanged, nullptr, nullptr);
}

void CPanel::OnEnable(bool) {}

bool CPanel::IsEnabled()
{
    return mEnabled;
}

bool CPanel::ValidateData()
{
    return true;
}

void CPanel::Refresh() {}

CString CPanel::GetDetailedText(bool& ok)
{
    ok = true;
    return CString();
}

BOOL CPanel::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CPanel::DoDataExchange(CDataExchange*) {}

void CPanel::OnOK() {}

void CPanel::OnCancel() {}

// Declared with the window utilities, below the panels in the library's layers, which know
// the panel only by name: the one operation on a panel is defined here, beside the class.
void UWindowsUtils::EnablePanel(CPanel* panel, bool enable)
{
    if (panel)
        panel->SetEnable(enable);
}

// Declared with the cool dialog bar, in the dialogs layer below the panels, for the same
// reason as EnablePanel.
BOOL CCoolDialogBar::Create(CWnd* pParentWnd, CPanel* pPanel, LPCSTR pTitle, DWORD dwStyle)
{
    return pPanel && Create(pParentWnd, pPanel, pTitle, pPanel->GetId(), dwStyle);
}
