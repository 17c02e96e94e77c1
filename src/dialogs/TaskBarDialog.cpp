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

BEGIN_MESSAGE_MAP(CTaskBarDialog, CDialog)
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_MESSAGE(CTaskBarIcon::kCallbackMessage, OnSystemTray)
END_MESSAGE_MAP()

CTaskBarDialog::CTaskBarDialog(unsigned int templateId, CWnd* parent) : CDialog(templateId, parent)
{
    mTaskBarIcon.GetRotator().AddListener(this);
}

CTaskBarDialog::~CTaskBarDialog() = default;

bool CTaskBarDialog::GetMinimizeToSystemTray()
{
    return CTraySetting().Value().GetValue(0) != 0;
}

void CTaskBarDialog::SetMinimizeToSystemTray(bool on)
{
    CTraySetting().Value().SetValue(on ? 1 : 0);
}

void CTaskBarDialog::SetTrayIcon()
{
    mTaskBarIcon.Set(this);
}

void CTaskBarDialog::ResetTrayIcon()
{
    mTaskBarIcon.Reset();
}

bool CTaskBarDialog::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code == CIconRotator::kIconChanged)
        SetTrayIcon();
    return CListener::ListenToMessage(code, sender, extra);
}

void CTaskBarDialog::HandleTaskBarMenuCommand(int) {}

BOOL CTaskBarDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    return TRUE;
}

BOOL CTaskBarDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (mTaskBarIcon.IsMenuCommand(wParam, lParam))
        HandleTaskBarMenuCommand(LOWORD(wParam));
    return CDialog::OnCommand(wParam, lParam);
}

void CTaskBarDialog::OnClose()
{
    ResetTrayIcon();
    CDialog::OnClose();
}

void CTaskBarDialog::OnSize(UINT nType, int cx, int cy)
{
    if (nType == SIZE_MINIMIZED && GetMinimizeToSystemTray())
        ShowWindow(SW_HIDE);
    else
        CDialog::OnSize(nType, cx, cy);
}

LRESULT CTaskBarDialog::OnSystemTray(WPARAM wParam, LPARAM lParam)
{
    mTaskBarIcon.OnCallback(this, wParam, lParam);
    return 0;
}
