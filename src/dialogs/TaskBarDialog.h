#pragma once
#include "dialogs/TaskBarWindow.h"

// A dialog that can live in the notification area (see CTaskBarWindow). Minimising hides
// it when the application-wide setting says so: value "Tray" of section "Window" in the
// user's "settings.ini", off (0) by default; any number but 0 is on, and a write stores 1
// or 0.
//
// Unlike its siblings, this dialog answers the rotator's icon change as CListener does
// (not handled) after showing the new icon; applications derived from it may rely on
// that answer.
class AFX_EXT_CLASS CTaskBarDialog : public CTaskBarWindow<CDialog> {
public:
    CTaskBarDialog(unsigned int templateId, CWnd* parent);
    ~CTaskBarDialog() override;

    static bool GetMinimizeToSystemTray();
    static void SetMinimizeToSystemTray(bool on);

    bool ListenToMessage(long code, const void* sender, const void* extra) override;

protected:
    bool MinimizesToTray() const override;
};
