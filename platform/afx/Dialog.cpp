#include "afxwin.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    // Every other message reaches the dialog through its message map first; the dialog
    // manager only needs to hear about initialisation.
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* dialog = static_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    return dialog ? dialog->OnInitDialog() : TRUE;
}

CDialog::CDialog() : m_lpszTemplateName(nullptr), m_nIDHelp(0), m_pParentWnd(nullptr) {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_nIDHelp(0), m_pParentWnd(pParentWnd)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_nIDHelp(nIDTemplate),
      m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog() = default;

namespace {

// Templates may hold common controls (sliders, IP address fields, list views ...): their
// window classes must be registered before the dialog manager creates the first one.
// Registering again is cheap and changes nothing.
void RegisterCommonControlClasses()
{
    INITCOMMONCONTROLSEX classes = { sizeof classes, ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES |
                                                     ICC_DATE_CLASSES | ICC_USEREX_CLASSES };
    ::InitCommonControlsEx(&classes);
}

} // namespace

BOOL CDialog::CreateFromTemplate(LPCDLGTEMPLATEA lpTemplate, HINSTANCE hInst, HWND hWndParent)
{
    RegisterCommonControlClasses();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpTemplate, hWndParent, AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

namespace {

// The template of a dialog resource, found through the resource chain, or null.
LPCDLGTEMPLATEA LoadDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE& module)
{
    module = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC resource = ::FindResourceA(module, lpszTemplateName, RT_DIALOG);
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    return loaded ? static_cast<LPCDLGTEMPLATEA>(::LockResource(loaded)) : nullptr;
}

} // namespace

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    HINSTANCE module;
    LPCDLGTEMPLATEA dialogTemplate = LoadDialogTemplate(lpszTemplateName, module);
    return dialogTemplate && CreateFromTemplate(dialogTemplate, module, m_pParentWnd->GetSafeHwnd());
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd)
{
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    return CreateFromTemplate(lpDialogTemplate, AfxGetInstanceHandle(), m_pParentWnd->GetSafeHwnd());
}

HWND CDialog::PreModal()
{
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!parent) {
        CWnd* main = AfxGetMainWnd();
        parent = main ? main->m_hWnd : nullptr;
    }
    // A modal dialog disables its whole top-level window, not just a child of it.
    while (parent && (::GetWindowLongPtrA(parent, GWL_STYLE) & WS_CHILD))
        parent = ::GetParent(parent);
    return parent;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE module;
    LPCDLGTEMPLATEA dialogTemplate = LoadDialogTemplate(m_lpszTemplateName, module);
    if (!dialogTemplate)
        return -1;

    HWND parent = PreModal();
    const bool disableParent = parent && ::IsWindowEnabled(parent);
    if (disableParent)
        ::EnableWindow(parent, FALSE);

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    // OnInitDialog may already end the dialog.
    if (CreateFromTemplate(dialogTemplate, module, parent) && ContinueModal()) {
        ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }
    m_nFlags &= ~WF_CONTINUEMODAL;

    if (disableParent)
        ::EnableWindow(parent, TRUE);
    if (parent && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(parent);
    if (m_hWnd) {
        // Hidden first so that the parent is active again before the dialog disappears.
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        DestroyWindow();
    }
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    // Controls bound with DDX_Control are subclassed here, before the dialog shows.
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), 1);
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // Tab, Enter, Escape and mnemonics move and press the dialog's controls.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return ::IsDialogMessageA(m_hWnd, pMsg);
    return FALSE;
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Menu commands and their updates that the dialog leaves unhandled go to the
    // application, the last stop of every route; control notifications stay here.
    const UINT code = static_cast<UINT>(nCode);
    if ((code != CN_COMMAND && code != CN_UPDATE_COMMAND_UI) || nID < 0x8000 || nID >= 0xF000)
        return FALSE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
