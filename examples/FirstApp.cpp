// A first application: the application object and a main frame made without any
// resource. "/close:<seconds>" closes the frame after that many seconds, so that an
// unattended run (the examples test) ends by itself.
#include "tnwmfcut.h"

#include <cstdlib>

class CFirstApp : public CTarnwellApp {
public:
    CFirstApp()
    {
        // 0: the application is named after its executable, so everything it keeps is
        // its own: HKEY_CURRENT_USER\Software\Tarnwell\first-app in the registry and
        // %APPDATA%\Tarnwell\first-app\ for its files. Numbers 1 to 6 are the family's
        // own products; borrowing one shares (and overwrites) that product's settings.
        GetApplicationId().SetId(0);
    }

    BOOL InitInstance() override
    {
        // The command line, the settings store, the debug logger and the splash window.
        if (!CTarnwellApp::InitInstance())
            return FALSE;
        // A frame deletes itself when its window goes, and when Create fails.
        CFrameWnd* frame = new CFrameWnd;
        if (!frame->Create(nullptr, "First Application"))
            return FALSE;
        m_pMainWnd = frame; // closing the main frame ends the message loop
        frame->ShowWindow(m_nCmdShow);
        frame->UpdateWindow();

        if (const char* close = GetCommandLineParams().GetParams().GetLookupValue("close", nullptr))
            ::SetTimer(frame->GetSafeHwnd(), 1, std::atoi(close) * 1000,
                       [](HWND window, UINT, UINT_PTR, DWORD) { ::PostMessageA(window, WM_CLOSE, 0, 0); });
        return TRUE;
    }
};

CFirstApp theApp; // exactly one, a global: the framework's WinMain finds it
