#include "DisplayTests.h"

#include <gtest/gtest.h>

int CTestJob::sDestroyed = 0;

std::unique_ptr<CPersistList> MakeJobs(const std::vector<std::vector<const char*>>& jobs, bool owning)
{
    auto list = std::make_unique<CPersistList>(owning);
    for (const auto& job : jobs)
        list->Add(new CTestJob(job[0], job.size() > 1 ? job[1] : "0"));
    return list;
}

CTestJob* JobAt(CPersistList& jobs, int index)
{
    return static_cast<CTestJob*>(jobs.GetAt(index));
}

const char* JobText(CPersistObject* object, int column, bool forToolTip)
{
    const CTestJob* job = static_cast<CTestJob*>(object);
    if (forToolTip)
        return UStringBuffer::Text(("tip " + job->name + " " + std::to_string(column)).c_str());
    return UStringBuffer::Text((column == 0 ? job->name : column == 1 ? job->size : job->state).c_str());
}

bool CSelectionRecorder::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code == CObjectDisplay::kSelectionChanged) {
        selections.emplace_back(sender, *static_cast<const bool*>(extra));
        return true;
    }
    if (code == CObjectDisplay::kObjectTextEdited) {
        editedTexts.push_back(static_cast<const char*>(extra));
        return true;
    }
    return CListener::ListenToMessage(code, sender, extra);
}

namespace UserInput {
namespace {

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

} // namespace

void Click(HWND window, CPoint point)
{
    const LPARAM where = MAKELPARAM(point.x, point.y);
    ::PostMessageA(window, WM_MOUSEMOVE, 0, where);
    ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    ::PostMessageA(window, WM_LBUTTONUP, 0, where);
    Deliver();
}

CPoint CellPoint(CListCtrl& list, int row, int column)
{
    CRect cell;
    EXPECT_TRUE(list.GetSubItemRect(row, column, LVIR_LABEL, cell));
    return cell.CenterPoint();
}

void ClickCell(CListCtrl& list, int row, int column)
{
    Click(list.m_hWnd, CellPoint(list, row, column));
}

void ClickCheckBox(CListCtrl& list, int row)
{
    CRect box;
    EXPECT_TRUE(list.GetItemRect(row, &box, LVIR_BOUNDS));
    LVHITTESTINFO hit = {};
    for (hit.pt = CPoint(box.left + 1, box.CenterPoint().y); hit.pt.x < box.right; ++hit.pt.x) {
        if (list.HitTest(&hit) == row && (hit.flags & LVHT_ONITEMSTATEICON))
            return Click(list.m_hWnd, hit.pt);
    }
    ADD_FAILURE() << "row " << row << " shows no check box";
}

void ClickHeader(CListCtrl& list, int column)
{
    CHeaderCtrl* header = list.GetHeaderCtrl();
    CRect item;
    ASSERT_TRUE(header && header->GetItemRect(column, &item));
    Click(header->m_hWnd, item.CenterPoint());
}

void PressKey(UINT virtualKey, UINT modifier)
{
    HWND focus = ::GetFocus();
    ASSERT_NE(focus, nullptr) << "no window has the focus";
    // Controls read modifiers from the keyboard state, which posted keys do not change.
    BYTE keys[256];
    ::GetKeyboardState(keys);
    const BYTE previous = keys[modifier];
    if (modifier) {
        keys[modifier] |= 0x80;
        ::SetKeyboardState(keys);
    }
    ::PostMessageA(focus, WM_KEYDOWN, virtualKey, 1);
    ::PostMessageA(focus, WM_KEYUP, virtualKey, 0xC0000001);
    Deliver();
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

std::vector<std::string> ColumnTexts(CListCtrl& list, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts.push_back(static_cast<LPCSTR>(list.GetItemText(row, column)));
    return texts;
}

std::vector<int> SelectedRows(CListCtrl& list)
{
    std::vector<int> rows;
    for (int row = list.GetNextItem(-1, LVNI_SELECTED); row != -1; row = list.GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}
