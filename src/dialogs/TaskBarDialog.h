#pragma once
#include "afxwin.h"
#include "dialogs/TaskBarIcon.h"
#include "tnwbscut.h"

// A dialog that can live in the notification area: its icon is the current icon of its
// rotator (each change the rotator broadcasts updates it), a right click on the icon
// opens its popup menu, a double click brings the dialog back. Minimising hides the
// dialog when the application-wide setting says so: value "Tray" of section "Window" in
// the user's "settings.ini", off (0) by default.
//
// Nothing shows the icon at start-up: the application calls SetTrayIcon, or lets the
// rotator's broadcasts do it. Commands of the popup menu go to the dialog: first to
// HandleTaskBarMenuCommand, then through the usual command routing.
class AFX_EXT_CLASS CTaskBarDialog : public CDialog, public CListener {
public:
    CTaskBarDialog(unsigned int templateId, CWnd* parent);
    ~CTaskBarDialog() override;

    static bool GetMinimizeToSystemTray();
    static void SetMinimizeToSystemTray(bool on);

    void SetTrayIcon();
    void ResetTrayIcon();
    CTaskBarIcon& GetTaskBarIcon() { return mTaskBarIcon; }

    bool ListenToMessage(long code, const void* sender, const void* extra) override;
    virtual void HandleTaskBarMenuCommand(int commandId);

    BOOL OnInitDialog() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSystemTray(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CTaskBarIcon mTaskBarIcon;
};
