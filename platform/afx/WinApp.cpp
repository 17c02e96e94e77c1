#include "afxwin.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

// The one application object of the process, set by its constructor.
CWinApp* sApplication = nullptr;

} // namespace

CWinApp* AFXAPI AfxGetApp()
{
    return sApplication;
}

CWinThread* AFXAPI AfxGetThread()
{
    // Only the thread that runs the application's message loop has a framework thread
    // object; worker threads have none.
    if (sApplication && sApplication->m_nThreadID == ::GetCurrentThreadId())
        return sApplication;
    return nullptr;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* thread = AfxGetThread();
    return thread ? thread->GetMainWnd() : nullptr;
}

LPCSTR AFXAPI AfxGetAppName()
{
    return sApplication ? sApplication->m_pszAppName : "";
}

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (sApplication)
        return sApplication->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxA(nullptr, lpszText, "", nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(DuplicateText(lpszAppName)), m_hInstance(nullptr), m_lpCmdLine(nullptr),
      m_nCmdShow(SW_SHOWNORMAL), m_pszExeName(nullptr), m_pszHelpFilePath(nullptr),
      m_pszProfileName(nullptr), m_pszRegistryKey(nullptr)
{
    sApplication = this;
}

CWinApp::~CWinApp()
{
    for (LPCSTR text : { m_pszAppName, m_pszExeName, m_pszHelpFilePath, m_pszProfileName,
                         m_pszRegistryKey })
        std::free(const_cast<LPSTR>(text));
    if (sApplication == this)
        sApplication = nullptr;
}

LPSTR CWinApp::DuplicateText(LPCSTR text)
{
    return text ? _strdup(text) : nullptr;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

int CWinApp::Run()
{
    // An application that made no main window has nothing to run.
    if (!m_pMainWnd)
        ::PostQuitMessage(0);
    return CWinThread::Run();
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    HWND owner = nullptr;
    if (CWnd* main = AfxGetMainWnd()) {
        owner = ::GetLastActivePopup(main->m_hWnd);
        if (!::IsWindowEnabled(owner))
            owner = nullptr;
    }
    return ::MessageBoxA(owner, lpszPrompt, m_pszAppName, nType);
}

BOOL CWinApp::Enable3dControls()
{
    return TRUE;
}

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const
{
    return ::LoadIconA(nullptr, lpszIconName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    LPCSTR name = MAKEINTRESOURCEA(nIDResource);
    return ::LoadCursorA(AfxFindResourceHandle(name, RT_GROUP_CURSOR), name);
}

HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const
{
    return ::LoadCursorA(nullptr, lpszCursorName);
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    AfxSetInstanceHandle(hInstance);
    CWinApp* app = AfxGetApp();
    if (!app)
        return TRUE;
    app->m_hInstance = hInstance;
    app->m_lpCmdLine = lpCmdLine;
    app->m_nCmdShow = nCmdShow;
    app->m_nThreadID = ::GetCurrentThreadId();

    char modulePath[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(hInstance, modulePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return FALSE;
    LPCSTR fileName = std::strrchr(modulePath, '\\') ? std::strrchr(modulePath, '\\') + 1 : modulePath;
    CString exeName(fileName);
    const int dot = exeName.ReverseFind('.');
    if (dot > 0)
        exeName = exeName.Left(dot);

    if (!app->m_pszExeName)
        app->m_pszExeName = CWinApp::DuplicateText(exeName);
    if (!app->m_pszAppName) {
        // The application's title string, as the framework's applications have it.
        CString title;
        app->m_pszAppName = CWinApp::DuplicateText(title.LoadString(0xE000) ? title : exeName);
    }
    if (!app->m_pszHelpFilePath) {
        CString helpPath(modulePath);
        helpPath = helpPath.Left(helpPath.GetLength() - static_cast<int>(std::strlen(fileName)))
                   + exeName + ".HLP";
        app->m_pszHelpFilePath = CWinApp::DuplicateText(helpPath);
    }
    if (!app->m_pszProfileName)
        app->m_pszProfileName = CWinApp::DuplicateText(exeName + ".INI");
    return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* app = AfxGetApp();
    if (!app || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) || !app->InitApplication())
        return -1;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
