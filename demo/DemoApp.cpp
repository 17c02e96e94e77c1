#include "MainFrame.h"
#include "Tour.h"
#include "resource.h"

#include "tnwmfcut.h"

#include <cstring>

// The sample converter. Started with "/tour" it walks through what the library offers and
// exits; "/noshots" skips the screenshots when no display can take them.
class CDemoApp : public CWinApp {
public:
    CDemoApp() : CWinApp(nullptr) {}
    BOOL InitInstance() override;

private:
    void RunTour(bool takeScreenshots);
};

namespace {
CDemoApp sTheApp;
}

BOOL CDemoApp::InitInstance()
{
    auto* frame = new CMainFrame;
    if (!frame->LoadFrame(IDR_MAINFRAME))
        return FALSE;
    m_pMainWnd = frame;
    frame->ShowWindow(m_nCmdShow);
    frame->UpdateWindow();

    if (std::strstr(m_lpCmdLine, "/tour"))
        RunTour(!std::strstr(m_lpCmdLine, "/noshots"));
    return TRUE;
}

void CDemoApp::RunTour(bool takeScreenshots)
{
    CTour tour(takeScreenshots);
    auto* frame = static_cast<CMainFrame*>(m_pMainWnd);
    tour.AddStep([frame](CTour& t) {
        CString title;
        frame->GetWindowText(title);
        t.Say(CString("main window open: ") + title);
        t.Screenshot("main-window");
    });
    tour.AddStep([frame](CTour& t) {
        frame->SendMessage(WM_COMMAND, ID_FILE_CONVERT);
        t.Say("File > Convert routed to the main window through its message map");
        t.Pump(200);
        t.Screenshot("converting");
    });
    tour.AddStep([frame](CTour& t) {
        t.Say("closing the main window ends the application");
        frame->SendMessage(WM_CLOSE);
    });
    tour.Run();
}
