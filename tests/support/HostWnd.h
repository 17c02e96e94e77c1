#pragma once
#include "afxwin.h"

#include <tuple>
#include <vector>

// A top-level window that hosts controls under test and records the messages they send or
// post it (WM_APP and above): message, wParam and lParam.
class CHostWnd : public CWnd {
public:
    CHostWnd() { CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr); }

    std::vector<std::tuple<UINT, WPARAM, LPARAM>> notices;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_APP && message <= 0xBFFF)
            notices.emplace_back(message, wParam, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};
