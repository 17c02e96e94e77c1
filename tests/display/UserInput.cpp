#include "UserInput.h"

#include "MessagePump.h"

#include <gtest/gtest.h>

namespace UserInput {

void Deliver()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!AfxGetThread()->PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void Click(HWND window, CPoint point, UINT downMessage)
{
    const WPARAM button = downMessage == WM_RBUTTONDOWN ? MK_RBUTTON
                          : downMessage == WM_MBUTTONDOWN ? MK_MBUTTON : MK_LBUTTON;
    const LPARAM where = MAKELPARAM(point.x, point.y);
    ::PostMessageA(window, WM_MOUSEMOVE, 0, where);
    ::PostMessageA(window, downMessage, button, where);
    ::PostMessageA(window, downMessage + 1, 0, where);
    Deliver();
}

CPoint CellPoint(CListCtrl& list, int row, int column)
{
    CRect cell;
    EXPECT_TRUE(list.GetSubItemRect(row, column, LVIR_LABEL, cell));
    return cell.CenterPoint();
}

CPoint CheckBoxPoint(CListCtrl& list, int row)
{
    CRect box;
    EXPECT_TRUE(list.GetItemRect(row, &box, LVIR_BOUNDS));
    LVHITTESTINFO hit = {};
    for (hit.pt = CPoint(box.left + 1, box.CenterPoint().y); hit.pt.x < box.right; ++hit.pt.x) {
        if (list.HitTest(&hit) == row && (hit.flags & LVHT_ONITEMSTATEICON))
            return hit.pt;
    }
    ADD_FAILURE() << "row " << row << " shows no check box";
    return box.TopLeft();
}

void ClickCell(CListCtrl& list, int row, int column, UINT downMessage)
{
    Click(list.m_hWnd, CellPoint(list, row, column), downMessage);
}

void ClickCheckBox(CListCtrl& list, int row)
{
    Click(list.m_hWnd, CheckBoxPoint(list, row));
}

void ClickHeader(CListCtrl& list, int column)
{
    CHeaderCtrl* header = list.GetHeaderCtrl();
    CRect item;
    ASSERT_TRUE(header && header->GetItemRect(column, &item));
    Click(header->m_hWnd, item.CenterPoint());
}

void PressKey(UINT virtualKey)
{
    HWND focus = ::GetFocus();
    ASSERT_NE(focus, nullptr) << "no window has the focus";
    ::PostMessageA(focus, WM_KEYDOWN, virtualKey, 1);
    ::PostMessageA(focus, WM_KEYUP, virtualKey, 0xC0000001);
    Deliver();
}

void PressKeyWith(UINT modifier, UINT virtualKey)
{
    // Controls read modifiers from the keyboard state, which posted keys do not change.
    BYTE keys[256];
    ::GetKeyboardState(keys);
    const BYTE previous = keys[modifier];
    keys[modifier] |= 0x80;
    ::SetKeyboardState(keys);
    PressKey(virtualKey);
    keys[modifier] = previous;
    ::SetKeyboardState(keys);
}

void Type(const char* text)
{
    HWND focus = ::GetFocus();
    ASSERT_NE(focus, nullptr) << "no window has the focus";
    for (const char* c = text; *c; ++c)
        ::PostMessageA(focus, WM_CHAR, static_cast<unsigned char>(*c), 1);
    Deliver();
}

} // namespace UserInput

CHostWnd::CHostWnd()
{
    CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr);
}

LRESULT CHostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP && message <= 0xBFFF)
        notices.push_back({ message, wParam, lParam });
    return CWnd::WindowProc(message, wParam, lParam);
}
