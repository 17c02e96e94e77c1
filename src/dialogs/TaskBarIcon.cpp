#include "dialogs/TaskBarIcon.h"

CTaskBarIcon::CTaskBarIcon() : mShown(false), mShownWindow(nullptr) {}

CTaskBarIcon::~CTaskBarIcon()
{
    Reset();
}

void CTaskBarIcon::SetTip(const char* tip)
{
    mTip = tip;
}

NOTIFYICONDATAA CTaskBarIcon::MakeRecord(HWND window) const
{
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = window;
    record.uID = kIconId;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kCallbackMessage;
    record.hIcon = mRotator.GetIcon();
    ::lstrcpynA(record.szTip, mTip, kMaxTipLength + 1);
    return record;
}

bool CTaskBarIcon::Set(CWnd* window)
{
    HWND handle = window->GetSafeHwnd();
    if (!handle)
        return false;
    NOTIFYICONDATAA record = MakeRecord(handle);
    if (mShown)
        return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
    if (!::Shell_NotifyIconA(NIM_ADD, &record))
        return false;
    mShown = true;
    mShownWindow = handle;
    return true;
}

void CTaskBarIcon::Reset()
{
    if (mShown) {
        NOTIFYICONDATAA record = MakeRecord(mShownWindow);
        ::Shell_NotifyIconA(NIM_DELETE, &record);
    }
    mShown = false;
    mShownWindow = nullptr;
}

void CTaskBarIcon::OnCallback(CWnd* window, WPARAM iconId, LPARAM mouseMessage)
{
    if (iconId != kIconId)
        return;
    if (mouseMessage == WM_LBUTTONDBLCLK) {
        window->ShowWindow(SW_SHOWNORMAL);
        window->SetForegroundWindow();
        window->SetFocus();
    } else if (mouseMessage == WM_RBUTTONUP) {
        mPopupMenu.PopupRight(window);
    }
}

bool CTaskBarIcon::IsMenuCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0 || HIWORD(wParam) != 0 || !mPopupMenu.IsCreated())
        return false;
    return mPopupMenu.GetMenu().GetMenuState(LOWORD(wParam), MF_BYCOMMAND) != static_cast<UINT>(-1);
}
