#include "MenuPicker.h"

#include "OwnWindows.h"

MenuPicker::MenuPicker(unsigned timeoutMs) : mThread([this, timeoutMs] { Pick(timeoutMs); }) {}

MenuPicker::~MenuPicker()
{
    mThread.join();
}

void MenuPicker::Pick(unsigned timeoutMs)
{
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (::GetTickCount64() < deadline) {
        // Pop-up menus are windows of the system's menu class.
        HWND menu = FindOwnWindow("#32768", nullptr);
        if (menu && ::IsWindowVisible(menu)) {
            ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
            ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
            mPicked = true;
            return;
        }
        ::Sleep(20);
    }
}
