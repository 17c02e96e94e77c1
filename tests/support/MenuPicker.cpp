#include "MenuPicker.h"

#include "MessagePump.h"
#include "OwnWindows.h"

MenuPicker::MenuPicker(unsigned timeoutMs) : mThread([this, timeoutMs] { Pick(timeoutMs); }) {}

MenuPicker::~MenuPicker()
{
    mThread.join();
}

void MenuPicker::Pick(unsigned timeoutMs)
{
    WaitUntil(
        [this] {
            // Pop-up menus are windows of the system's menu class.
            HWND menu = FindOwnWindow("#32768", nullptr);
            if (!menu || !::IsWindowVisible(menu))
                return false;
            ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
            ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
            mPicked = true;
            return true;
        },
        timeoutMs);
}
