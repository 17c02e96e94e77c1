#pragma once
#include "afxlistctl.h"

#include <string>
#include <vector>

// Drives windows the way a person does: mouse and key messages go through the thread's
// queue and its PreTranslateMessage, as the application's message loop would deliver them.
namespace UserInput {

// A press and release of the left mouse button at a point of the window's client area.
void Click(HWND window, CPoint point);
// The centre of a cell's label (column 0: the text beside the check box).
CPoint CellPoint(CListCtrl& list, int row, int column);
void ClickCell(CListCtrl& list, int row, int column);
void ClickCheckBox(CListCtrl& list, int row);
void ClickHeader(CListCtrl& list, int column);
// A key pressed and released in the window that has the focus, while a modifier key
// (VK_SHIFT, VK_CONTROL, or 0 for none) is held down.
void PressKey(UINT virtualKey, UINT modifier = 0);
// Characters typed into the window that has the focus.
void Type(const char* text);

} // namespace UserInput

// What a list shows: the texts of a column, row by row, and the selected rows.
std::vector<std::string> ColumnTexts(CListCtrl& list, int column);
std::vector<int> SelectedRows(CListCtrl& list);

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
