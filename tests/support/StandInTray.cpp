#include "StandInTray.h"

namespace {
const char kTrayClass[] = "Shell_TrayWnd";
}

StandInTray::StandInTray()
{
    WNDCLASSA type = {};
    type.lpfnWndProc = WindowProc;
    type.hInstance = ::GetModuleHandleA(nullptr);
    type.lpszClassName = kTrayClass;
    ::RegisterClassA(&type);
    mWindow = ::CreateWindowExA(0, kTrayClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, type.hInstance, this);
}

StandInTray::~StandInTray()
{
    ::DestroyWindow(mWindow);
    ::UnregisterClassA(kTrayClass, ::GetModuleHandleA(nullptr));
}

LRESULT CALLBACK StandInTray::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == WM_COPYDATA) {
        auto* tray = reinterpret_cast<StandInTray*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        auto* data = reinterpret_cast<COPYDATASTRUCT*>(lParam);
        tray->mOperations.emplace_back(static_cast<DWORD>(data->dwData), reinterpret_cast<HWND>(wParam));
        return TRUE;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}
