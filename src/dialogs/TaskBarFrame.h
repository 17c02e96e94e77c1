#pragma once
#include "dialogs/PlainFrame.h"
#include "dialogs/TaskBarIcon.h"
#include "tnwbscut.h"

// A frame that lives in the notification area, the frame counterpart of CTaskBarDialog2:
// minimising hides it only when the application enabled the tray (EnableTray) and the
// window is to minimise to it (SetMinimizeToTray), both off after construction. Made
// through CreateObject; like every frame it frees itself when destroyed.
class AFX_EXT_CLASS CTaskBarFrame : public CPlainFrame, public CListener {
    DECLARE_DYNCREATE(CTaskBarFrame)
public:
    CTaskBarFrame();
    ~CTaskBarFrame() override;

    void EnableTray(bool on) { mTrayEnabled = on; }
    bool IsTrayEnabled() const { return mTrayEnabled; }
    void SetMinimizeToTray(bool on) { mMinimizeToTray = on; }
    bool GetMinimizeToTray() const { return mMinimizeToTray; }

    void SetTrayIcon();
    void ResetTrayIcon();
    CTaskBarIcon& GetTaskBarIcon() { return mTaskBarIcon; }

    bool ListenToMessage(long code, const void* sender, const void* extra) override;
    virtual void HandleTaskBarMenuCommand(int commandId);

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
