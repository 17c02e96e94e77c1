#include "dialogs/TaskBarDialog.h"

#include "tnwwndut.h"

namespace {

// The setting lives in the user's own "settings.ini", beside the application's other
// per-user files.
class CTraySetting {
public:
    CTraySetting()
        : mIni((UDirectoryUtils::GetUserAppDataDirectory() + "settings.ini").c_str()),
          mValue("Window", "Tray", &mIni)
    {
    }
    CRegistry& Value() { return mValue; }

private:
    CIniProfile mIni;
    CRegistry mValue;
};

} // namespace

CTaskBarDialog::CTaskBarDialog(unsigned int templateId, CWnd* parent) : CTaskBarWindow(templateId, parent) {}

CTaskBarDialog::~CTaskBarDialog() = default;

bool CTaskBarDialog::GetMinimizeToSystemTray()
{
    return CTraySetting().Value().GetValue(0) != 0;
}

void CTaskBarDialog::SetMinimizeToSystemTray(bool on)
{
    CTraySetting().Value().SetValue(on ? 1 : 0);
}

bool CTaskBarDialog::ListenToMessage(long code, const void* sender, const void* extra)
{
    CTaskBarWindow::ListenToMessage(code, sender, extra);
    return CListener::ListenToMessage(code, sender, extra);
}

bool CTaskBarDialog::MinimizesToTray() const
{
    return GetMinimizeToSystemTray();
}
