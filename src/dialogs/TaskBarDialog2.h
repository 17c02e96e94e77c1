#pragma once
#include "afxwin.h"
#include "dialogs/TaskBarIcon.h"
#include "tnwbscut.h"

// A dialog that lives in the notification area as CTaskBarDialog does, but decides for
// itself whether minimising hides it: only when the application enabled the tray
// (EnableTray) and the window is to minimise to it (SetMinimizeToTray). Both are off after
// construction.
class AFX_EXT_CLASS CTaskBarDialog2 : public CDialog, public CListener {
public:
    CTaskBarDialog2(unsigned int templateId, CWnd* parent);
    ~CTaskBarDialog2() override;

    void EnableTray(bool on) { mTrayEnabled = on; }
    bool IsTrayEnabled() const { return mTrayEnabled; }
    void SetMinimizeToTray(bool on) { mMinimizeToTray = on; }
    bool GetMinimizeToTray() const { return mMinimizeToTray; }

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
    bool mTrayEnabled;
    bool mMinimizeToTray;
};
