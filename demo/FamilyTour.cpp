#include "FamilyTour.h"

#include "TrayDialog.h"
#include "resource.h"

#include "tnwmfcut.h"

#include <commctrl.h>

namespace {

const char kMenuClass[] = "#32768";

HWND SplashWindow()
{
    return ::FindWindowA(nullptr, "Splash");
}

void PressKey(HWND window, WPARAM key)
{
    ::PostMessageA(window, WM_KEYDOWN, key, 0);
}

// Opens one menu of the menu bar below its title, as a click on the title would.
void TrackBarMenu(CWnd* frame, int position)
{
    CMenu* bar = frame->GetMenu();
    RECT title = {};
    ::GetMenuItemRect(frame->m_hWnd, bar->m_hMenu, position, &title);
    bar->GetSubMenu(position)->TrackPopupMenu(TPM_LEFTALIGN, title.left, title.bottom, frame);
}

int FindBarMenu(CWnd* frame, LPCSTR title)
{
    CMenu* bar = frame->GetMenu();
    for (UINT i = 0; i < bar->GetMenuItemCount(); ++i) {
        CString text;
        bar->GetMenuString(i, text, MF_BYPOSITION);
        if (text == title)
            return static_cast<int>(i);
    }
    return -1;
}

CString ListItemText(HWND list, int row, int column)
{
    char text[260] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

// Counts the turns of the tray icon.
class CTurnCounter : public CListener {
public:
    int turns = 0;
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code == CIconRotator::kIconChanged)
            ++turns;
        return CListener::ListenToMessage(code, sender, extra);
    }
};

} // namespace

namespace FamilyTour {

void ShowSplash(CTour& tour)
{
    tour.Say(SplashWindow() ? "the splash window showed at start-up" : "no splash window at start-up");
    const ULONGLONG deadline = ::GetTickCount64() + 5000;
    while (SplashWindow() && ::GetTickCount64() < deadline)
        tour.Pump(100);
    tour.Say(SplashWindow() ? "the start-up splash window is still there" : "the start-up splash window closed itself");

    // Once more for the picture, long enough to be taken, then closed by a click.
    CSplashWindow::SplashWindow(IDB_DEMO_SPLASH, 10);
    HWND splash = SplashWindow();
    tour.Screenshot("splash");
    ::SendMessageA(splash, WM_LBUTTONUP, 0, 0);
    tour.Say(::IsWindow(splash) ? "the splash window stayed after a click" : "a click closed the splash window");
}

void ShowPoolMenus(CTour& tour, CWnd* frame)
{
    CString titles;
    CMenu* bar = frame->GetMenu();
    for (UINT i = 0; i < bar->GetMenuItemCount(); ++i) {
        CString text;
        bar->GetMenuString(i, text, MF_BYPOSITION);
        titles += (i ? " | " : "") + text;
    }
    tour.Say(CString("menu bar from links.ini: ") + titles);

    const int download = FindBarMenu(frame, "Download");
    const int demo = FindBarMenu(frame, "Demo");
    if (download < 0 || demo < 0) {
        tour.Say("the Download and Demo menus are missing");
        return;
    }
    tour.WhileModal([&] { TrackBarMenu(frame, download); }, [](CTour& helper) {
        HWND menu = CTour::WaitForWindow(kMenuClass, nullptr);
        helper.Screenshot("download-menu");
        PressKey(menu, VK_ESCAPE);
    });
    tour.WhileModal([&] { TrackBarMenu(frame, demo); }, [](CTour& helper) {
        HWND menu = CTour::WaitForWindow(kMenuClass, nullptr);
        // Down to the first category, right into its applications.
        PressKey(menu, VK_DOWN);
        PressKey(menu, VK_RIGHT);
        helper.Screenshot("demo-menu");
        PressKey(menu, VK_ESCAPE);
        PressKey(menu, VK_ESCAPE);
    });
    tour.Say("opened and closed the Download and Demo menus");
}

void ShowAboutBox(CTour& tour, CWnd* frame)
{
    tour.WhileModal([&] { frame->SendMessage(WM_COMMAND, ID_APP_ABOUT); }, [](CTour& helper) {
        HWND about = CTour::WaitForWindow("#32770", "About Tarnwell Video Converter");
        if (!about) {
            helper.Say("the about box did not open");
            return;
        }
        HWND list = ::FindWindowExA(about, nullptr, WC_LISTVIEWA, nullptr);
        const int rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            const CString version = ListItemText(list, row, 1);
            helper.Say(CString("about box lists ") + ListItemText(list, row, 0) + " " +
                       (version.IsEmpty() ? CString("(no version)") : version));
        }
        helper.Screenshot("about-box");
        ::PostMessageA(about, WM_COMMAND, IDOK, 0);
    });
    tour.Say("the about box closed");
}

void ShowErrorDialog(CTour& tour)
{
    bool chosen = true;
    tour.WhileModal(
        [&] { chosen = CErrorDialog::Prompt("The Xvid codec that this clip needs is not installed.", "Download"); },
        [](CTour& helper) {
            HWND error = CTour::WaitForWindow("#32770", "Error");
            helper.Screenshot("error-dialog");
            ::PostMessageA(error, WM_COMMAND, IDCANCEL, 0);
        });
    tour.Say(chosen ? "the error dialog chose the download" : "the error dialog was cancelled");
}

void ShowTrayIcon(CTour& tour, CTrayDialog& tray)
{
    CTurnCounter counter;
    tray.GetTaskBarIcon().GetRotator().AddListener(&counter);
    tray.SetStatus("Converting holiday.avi");
    tray.SetBusy(true);
    tour.Pump(1500);
    tour.Screenshot("tray-icon");
    CString turns;
    turns.Format("the tray icon turned %d times in 1.5 s", counter.turns);
    tour.Say(turns);

    tour.WhileModal([&] { tray.SendMessage(CTaskBarIcon::kCallbackMessage, CTaskBarIcon::kIconId, WM_RBUTTONUP); },
                    [](CTour& helper) {
                        HWND menu = CTour::WaitForWindow(kMenuClass, nullptr);
                        helper.Screenshot("tray-menu");
                        PressKey(menu, VK_ESCAPE);
                    });
    tray.SetBusy(false);
    tray.SetStatus("Waiting for files to convert.");
    tray.GetTaskBarIcon().GetRotator().RemoveListener(&counter);
    tour.Say("opened and closed the tray icon's menu");
}

} // namespace FamilyTour
