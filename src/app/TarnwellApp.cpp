#include "app/TarnwellApp.h"

#include "afxdisp.h"
#include "core/DebugLogger.h"
#include "app/EditTarget.h"
#include "app/AboutDialog.h"
#include "dialogs/SplashWindow.h"
#include "net/WebAddresses.h"
#include "util/ShellUtils.h"

#include <cstdlib>
#include <cstring>

const char* const CTarnwellApp::kRegistryKey = "Tarnwell";

BEGIN_MESSAGE_MAP(CTarnwellApp, CWinApp)
    ON_UPDATE_COMMAND_UI(ID_APP_ABOUT, OnUpdateAppAbout)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
    ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateEditClear)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_COMMAND(ID_HELP_FINDER, OnHelpFinder)
END_MESSAGE_MAP()

CTarnwellApp::CTarnwellApp() : CWinApp(nullptr), mApplicationId(0), mDebugLogger(nullptr), mSplashBitmap(0)
{
}

CTarnwellApp::~CTarnwellApp() = default;

BOOL CTarnwellApp::InitInstance()
{
    mCommandLine.Parse(m_lpCmdLine, false);
    ::InitCommonControls();

    const std::string shortName =
        UApplicationUtils::GetShortApplicationName(static_cast<unsigned long>(StApplicationId::Id()));
    std::free(const_cast<LPSTR>(m_pszAppName));
    m_pszAppName = DuplicateText(shortName.c_str());
    // The framework's profile settings and the window library's settings values share one
    // key, so that either finds what the other wrote.
    SetRegistryKey(kRegistryKey);
    CRegistry::SetDefaultCompany(kRegistryKey);
    CRegistry::SetDefaultApplication(m_pszAppName);

    mDebugLogger = new CDebugLogger;
    CSplashWindow::SplashWindow(mSplashBitmap, kSplashSeconds);
    AfxEnableControlContainer(nullptr);
    Enable3dControls();
    std::srand(::GetTickCount());
    return TRUE;
}

int CTarnwellApp::ExitInstance()
{
    delete mDebugLogger;
    mDebugLogger = nullptr;
    return CWinApp::ExitInstance();
}

bool CTarnwellApp::Respond(long message, CBroadcaster* sender, long data1, long data2)
{
    return CListener::Respond(message, sender, data1, data2);
}

void CTarnwellApp::About()
{
    CAboutDialog::About();
}

void CTarnwellApp::Web()
{
    UShellUtils::Open(UWebAddresses::kHomePage);
}

void CTarnwellApp::OnAppAbout()
{
    About();
}

void CTarnwellApp::OnUpdateAppAbout(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
    CString text;
    text.Format("About %s", m_pszAppName ? m_pszAppName : "");
    pCmdUI->SetText(text);
}

void CTarnwellApp::OnHelpFinder()
{
    // Quoted, so that an application folder with spaces stays one path.
    const CString helpFile = CString("\"") + UDirectoryUtils::GetAppDirectory().c_str() + "help.chm\"";
    UShellUtils::Open(helpFile);
}

void CTarnwellApp::OnEditCut()
{
    CEditTarget::FromFocus().Cut();
}

void CTarnwellApp::OnEditCopy()
{
    CEditTarget::FromFocus().Copy();
}

void CTarnwellApp::OnEditPaste()
{
    CEditTarget::FromFocus().Paste();
}

void CTarnwellApp::OnEditClear()
{
    CEditTarget::FromFocus().Clear();
}

void CTarnwellApp::OnEditSelectAll()
{
    CEditTarget::FromFocus().SelectAll();
}

void CTarnwellApp::OnUpdateEditCut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CEditTarget::FromFocus().CanCut());
}

void CTarnwellApp::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CEditTarget::FromFocus().CanCut());
}

void CTarnwellApp::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CEditTarget::FromFocus().CanPaste());
}

void CTarnwellApp::OnUpdateEditClear(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CEditTarget::FromFocus().CanClear());
}

void CTarnwellApp::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CEditTarget::FromFocus().CanSelectAll());
}

void CTarnwellApp::OnEditUndo() {}

void CTarnwellApp::OnEditRedo() {}

void CTarnwellApp::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}

void CTarnwellApp::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
}
