#pragma once
#include "afxlistctl.h"

#include <string>
#include <vector>

// Drives windows the way a person does: mouse and key messages go through the thread's
// queue and its PreTranslateMessage, as the application's message loop would deliver them.
namespace UserInput {

// Delivers every queued message through CWinThread::PreTranslateMessage.
void Deliver();
// A press and release of a mouse button at a point of the window's client area.
void Click(HWND window, CPoint point, UINT downMessage = WM_LBUTTONDOWN);
// The centre of a cell's label (column 0: the text beside the check box).
CPoint CellPoint(CListCtrl& list, int row, int column);
// The centre of a row's check box.
CPoint CheckBoxPoint(CListCtrl& list, int row);
void ClickCell(CListCtrl& list, int row, int column, UINT downMessage = WM_LBUTTONDOWN);
void ClickCheckBox(CListCtrl& list, int row);
void ClickHeader(CListCtrl& list, int column);
// A key pressed and released in the window that has the focus.
void PressKey(UINT virtualKey);
// A key pressed and released while a modifier key (VK_SHIFT, VK_CONTROL) is held down.
void PressKeyWith(UINT modifier, UINT virtualKey);
// Characters typed into the window that has the focus.
void Type(const char* text);

} // namespace UserInput

// A top-level window that hosts controls under test and records the messages they send
// it (WM_APP and above).
class CHostWnd : public CWnd {
public:
    struct Notice {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool operator==(const Notice& other) const
        {
            return message == other.message && wParam == other.wParam && lParam == other.lParam;
        }
    };

    CHostWnd();
    std::vector<Notice> notices;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
