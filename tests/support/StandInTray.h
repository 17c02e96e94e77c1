#pragma once
#include <windows.h>

#include <utility>
#include <vector>

// Stands in for the shell's notification area, which the tests' null display lacks: a
// hidden window of the shell's tray class ("Shell_TrayWnd") on the test's thread. Wine's
// shell hands it each icon message of Shell_NotifyIcon as WM_COPYDATA, with the owner
// window as wParam and the operation (NIM_ADD, NIM_MODIFY, NIM_DELETE) as the data's
// number; the stand-in records them in order and accepts every one.
class StandInTray {
public:
    // The operation and the owner window.
    using SOperation = std::pair<DWORD, HWND>;

    StandInTray();
    ~StandInTray();
    StandInTray(const StandInTray&) = delete;
    StandInTray& operator=(const StandInTray&) = delete;

    const std::vector<SOperation>& Operations() const { return mOperations; }
    void Forget() { mOperations.clear(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND mWindow;
    std::vector<SOperation> mOperations;
};
