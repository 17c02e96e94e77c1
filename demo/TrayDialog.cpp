#include "TrayDialog.h"

#include "resource.h"

CTrayDialog::CTrayDialog() : CTaskBarDialog(IDD_TRAY, nullptr) {}

bool CTrayDialog::Open()
{
    if (!Create(IDD_TRAY))
        return false;
    CIconRotator& rotator = GetTaskBarIcon().GetRotator();
    for (unsigned long icon : {IDI_RUN_0, IDI_RUN_1, IDI_RUN_2, IDI_RUN_3})
        rotator.AddIcon(icon);
    // Items go to the top, so the last added is the first shown.
    CPopupMenu& menu = GetTaskBarIcon().GetPopupMenu();
    menu.AddItem("Exit", ID_APP_EXIT);
    menu.AddItem("About...", ID_APP_ABOUT);
    menu.AddItem("Open converter", ID_TRAY_OPEN);
    GetTaskBarIcon().SetTip("tnwmfcut Demo Converter");
    SetTrayIcon();
    return true;
}

void CTrayDialog::SetStatus(const char* text)
{
    SetDlgItemText(IDC_TRAY_STATUS, text);
    GetTaskBarIcon().SetTip(text);
    SetTrayIcon();
}

void CTrayDialog::SetBusy(bool busy)
{
    GetTaskBarIcon().GetRotator().SetRotate(busy);
}

void CTrayDialog::HandleTaskBarMenuCommand(int commandId)
{
    CWnd* main = AfxGetMainWnd();
    if (!main)
        return;
    if (commandId == ID_TRAY_OPEN) {
        main->ShowWindow(SW_SHOWNORMAL);
        main->SetForegroundWindow();
    } else if (commandId == ID_APP_ABOUT) {
        // The menu's commands end here: About goes to the main window, whose routing
        // ends at the application object.
        main->SendMessage(WM_COMMAND, ID_APP_ABOUT);
    } else if (commandId == ID_APP_EXIT) {
        main->PostMessage(WM_CLOSE);
    }
}
