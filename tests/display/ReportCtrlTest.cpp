#include "UserInput.h"
#include "resource.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using UserInput::ClickCell;
using UserInput::ClickCheckBox;
using UserInput::ClickHeader;
using UserInput::PressKey;
using UserInput::Type;

namespace {

using Rows = std::vector<std::vector<const char*>>;

class ReportCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(report.Create(&host, 100, CRect(0, 0, 600, 400)));
        ASSERT_TRUE(report.SetColumnHeader("Name,150;Size,80,2;State,120"));
    }

    void AddRows(const Rows& rows)
    {
        for (const auto& row : rows) {
            const int index = report.InsertItem(report.GetItemCount(), row[0]);
            for (size_t column = 1; column < row.size(); ++column)
                report.SetItemText(index, static_cast<int>(column), row[column]);
        }
    }

    std::vector<std::string> Column(int column)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < report.GetItemCount(); ++row)
            texts.push_back(static_cast<LPCSTR>(report.GetItemText(row, column)));
        return texts;
    }

    std::vector<CHostWnd::Notice> NoticesOf(UINT message)
    {
        std::vector<CHostWnd::Notice> found;
        for (const auto& notice : host.notices) {
            if (notice.message == message)
                found.push_back(notice);
        }
        return found;
    }

    CEdit* VisibleEditor()
    {
        CEdit* edit = report.GetEditControl();
        return edit->m_hWnd && edit->IsWindowVisible() ? edit : nullptr;
    }

    CString EditorText()
    {
        CString text;
        report.GetEditControl()->GetWindowText(text);
        return text;
    }

    CHostWnd host;
    CReportCtrl report;
};

const UINT kChecked = CReportCtrl::kCheckChangedMessage;
const UINT kSorted = CReportCtrl::kSortedMessage;
const UINT kCommitted = CReportCtrl::kEditCommittedMessage;

} // namespace

TEST_F(ReportCtrlTest, StaysInReportViewWithItsExtendedBits)
{
    EXPECT_EQ(report.GetStyle() & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));

    report.ModifyStyle(WS_VISIBLE | LVS_REPORT, LVS_EDITLABELS | LVS_SMALLICON);
    EXPECT_EQ(report.GetStyle() & (WS_VISIBLE | LVS_TYPEMASK | LVS_EDITLABELS),
              static_cast<DWORD>(WS_VISIBLE | LVS_REPORT));

    report.SetExtendedStyle(LVS_EX_GRIDLINES);
    EXPECT_EQ(report.CListCtrl::GetExtendedStyle(),
              static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES));

    const DWORD listViewStyle = report.CListCtrl::GetExtendedStyle();
    report.ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    EXPECT_TRUE(report.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(report.GetExStyle() & WS_EX_TRANSPARENT) << "no list-view bit leaks into the window's style";
    EXPECT_EQ(report.CListCtrl::GetExtendedStyle(), listViewStyle);

    CReportCtrl covering;
    ASSERT_TRUE(covering.Create(&host, 101));
    CRect client, area;
    host.GetClientRect(&client);
    covering.GetClientRect(&area);
    covering.ClientToScreen(&area);
    host.ScreenToClient(&area);
    EXPECT_GE(area.right, client.right - 4) << "a null rectangle covers the parent";
}

TEST_F(ReportCtrlTest, ColumnDefinitionStringRebuildsColumnsAndDropsRows)
{
    AddRows({ { "old" } });
    ASSERT_TRUE(report.SetColumnHeader("Name,150;Size,80,2"));
    EXPECT_EQ(report.GetItemCount(), 0);
    ASSERT_EQ(report.GetColumnCount(), 2);
    EXPECT_EQ(report.GetHeaderText(0), "Name");
    EXPECT_EQ(report.GetColumnWidth(0), 150);
    EXPECT_EQ(report.GetHeaderText(1), "Size");
    EXPECT_EQ(report.GetColumnWidth(1), 80);
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT;
    ASSERT_TRUE(report.GetColumn(1, &column));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
    ASSERT_TRUE(report.GetColumn(0, &column));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);

    ASSERT_TRUE(report.SetColumnHeader("A;;B,,1"));
    ASSERT_EQ(report.GetColumnCount(), 2) << "the empty definition is dropped";
    EXPECT_EQ(report.GetHeaderText(1), "B");
    EXPECT_EQ(report.GetColumnWidth(1), 1) << "an empty field is dropped, so 1 is the width";

    EXPECT_FALSE(report.SetColumnHeader(";;"));
    EXPECT_EQ(report.GetColumnCount(), 0);
    EXPECT_EQ(report.GetHeaderText(0), "");
}

TEST_F(ReportCtrlTest, SortComparesHexThenDecimalThenDatesThenText)
{
    struct Case {
        const char* first;   // ascending order
        const char* second;
        const char* why;
    };
    const Case cases[] = {
        { "9", "0A", "hexadecimal numbers" },
        { "9.5", "10", "decimal numbers" },
        { "7%", "50%", "percentages" },
        { "March 1, 2023", "December 1, 2023", "dates" },
        { "10", "abc", "different kinds fall back to text" },
        { "Zed", "apple", "text compares bytes" },
    };
    for (const Case& c : cases) {
        report.DeleteAllItems();
        AddRows({ { c.second }, { c.first } });
        ASSERT_TRUE(report.SortItems(0, TRUE));
        EXPECT_EQ(Column(0), (std::vector<std::string>{ c.first, c.second })) << c.why;
        ASSERT_TRUE(report.SortItems(0, FALSE));
        EXPECT_EQ(Column(0), (std::vector<std::string>{ c.second, c.first })) << c.why << ", descending";
    }

    report.DeleteAllItems();
    AddRows({ { "x", "10" }, { "y", "9.75" }, { "z", "100" }, { "w", "2.5%" } });
    ASSERT_TRUE(report.SortItems(1, TRUE));
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "w", "y", "x", "z" }));
    EXPECT_EQ(report.GetSortedColumn(), 1);
    EXPECT_TRUE(report.IsSortAscending());
    EXPECT_EQ(NoticesOf(kSorted).back(), (CHostWnd::Notice{ kSorted, 1, TRUE }));

    EXPECT_FALSE(report.SortItems(3, TRUE)) << "no such column";
    report.SetSortable(FALSE);
    EXPECT_EQ(report.GetSortedColumn(), -1) << "a header that cannot sort forgets the sort";
    EXPECT_FALSE(report.SortItems(0, TRUE));
}

TEST_F(ReportCtrlTest, SeparatorRowsSplitTheSortIntoSections)
{
    report.SetSortSeparator("-----");
    AddRows({ { "A" }, { "C" }, { "B" }, { "-----" }, { "F" }, { "D" } });
    ASSERT_TRUE(report.SortItems(0, TRUE));
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "A", "B", "C", "-----", "D", "F" }));
    ASSERT_TRUE(report.SortItems(0, FALSE));
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "C", "B", "A", "-----", "F", "D" }));

    report.SetSortSeparator(nullptr);
    EXPECT_EQ(report.GetSortSeparator(), nullptr);
    ASSERT_TRUE(report.SortItems(0, TRUE));
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "-----", "A", "B", "C", "D", "F" }));
}

TEST_F(ReportCtrlTest, HeaderClicksToggleTheDirectionUntilTheRowsChange)
{
    AddRows({ { "b", "2" }, { "c", "1" }, { "a", "3" } });

    ClickHeader(report, 0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "a", "b", "c" }));
    ClickHeader(report, 0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "c", "b", "a" }));
    EXPECT_FALSE(report.IsSortAscending());
    ClickHeader(report, 1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{ "1", "2", "3" })) << "another column starts ascending";
    ClickHeader(report, 1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{ "3", "2", "1" }));
    EXPECT_EQ(NoticesOf(kSorted), (std::vector<CHostWnd::Notice>{ { kSorted, 0, TRUE }, { kSorted, 0, FALSE },
                                                                   { kSorted, 1, TRUE }, { kSorted, 1, FALSE } }));

    AddRows({ { "d", "0" } });
    EXPECT_EQ(report.GetSortedColumn(), -1) << "an inserted row forgets the sort";
    ClickHeader(report, 1);
    EXPECT_EQ(Column(1), (std::vector<std::string>{ "0", "1", "2", "3" }));

    report.SetSortable(FALSE);
    ClickHeader(report, 0);
    EXPECT_EQ(Column(1), (std::vector<std::string>{ "0", "1", "2", "3" })) << "the header no longer sorts";
}

TEST_F(ReportCtrlTest, CheckBoxStylesDecideWhatAClickDoes)
{
    EXPECT_EQ(report.GetCheckboxStyle(), CReportCtrl::kCheckboxNormal);
    EXPECT_FALSE(report.CListCtrl::GetExtendedStyle() & LVS_EX_CHECKBOXES) << "shown only once a style is set";
    report.SetCheckboxeStyle(CReportCtrl::kCheckboxNormal);
    ASSERT_TRUE(report.CListCtrl::GetExtendedStyle() & LVS_EX_CHECKBOXES);
    AddRows({ { "a" }, { "b" }, { "c" } });
    report.SetItemStates(2, CReportCtrl::kItemSelected);

    ClickCheckBox(report, 1);
    EXPECT_TRUE(report.ExamItemStates(1, CReportCtrl::kItemChecked | CReportCtrl::kItemSelected | CReportCtrl::kItemFocused));
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemSelected), 1) << "the clicked row is the only selected one";
    ClickCheckBox(report, 0);
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemChecked), 2);
    EXPECT_EQ(NoticesOf(kChecked), (std::vector<CHostWnd::Notice>{ { kChecked, 1, WM_LBUTTONDOWN },
                                                                   { kChecked, 0, WM_LBUTTONDOWN } }));
    ClickCheckBox(report, 0);
    EXPECT_FALSE(report.ExamItemStates(0, CReportCtrl::kItemChecked)) << "a second click unchecks";

    report.SetCheckboxeStyle(CReportCtrl::kCheckboxSingle);
    ClickCheckBox(report, 2);
    EXPECT_EQ(report.GetFirstItem(CReportCtrl::kItemChecked), 2);
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemChecked), 1) << "checking a row unchecks the others";
    EXPECT_EQ(report.GetFirstItem(CReportCtrl::kItemSelected), 2);
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemSelected), 1);
    report.SetCheck(0, TRUE);
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemChecked), 1) << "also when the program checks a row";
    EXPECT_EQ(report.GetFirstItem(CReportCtrl::kItemChecked), 0);

    host.notices.clear();
    report.SetCheckboxeStyle(CReportCtrl::kCheckboxReadOnly);
    ClickCheckBox(report, 0);
    ClickCheckBox(report, 1);
    EXPECT_TRUE(report.ExamItemStates(0, CReportCtrl::kItemChecked));
    EXPECT_TRUE(report.ExamItemStates(1, CReportCtrl::kItemUnchecked));
    EXPECT_TRUE(NoticesOf(kChecked).empty());

    report.SetCheckboxeStyle(7);
    EXPECT_EQ(report.GetCheckboxStyle(), CReportCtrl::kCheckboxReadOnly) << "unknown styles are ignored";
    report.SetCheckboxeStyle(CReportCtrl::kCheckboxNone);
    EXPECT_FALSE(report.CListCtrl::GetExtendedStyle() & LVS_EX_CHECKBOXES);
}

TEST_F(ReportCtrlTest, SpaceBarDoesNotToggleChecksBehindTheStyle)
{
    report.SetCheckboxeStyle(CReportCtrl::kCheckboxReadOnly);
    AddRows({ { "a" } });
    ClickCell(report, 0, 1);
    ASSERT_EQ(::GetFocus(), report.m_hWnd);
    PressKey(VK_SPACE);
    EXPECT_FALSE(report.ExamItemStates(0, CReportCtrl::kItemChecked));
}

TEST_F(ReportCtrlTest, SecondClickOnTheSelectedRowEditsTheCell)
{
    AddRows({ { "a", "1", "x" }, { "b", "2", "y" }, { "c", "3", "z" } });
    ClickCell(report, 0, 1);
    ClickCell(report, 0, 1);
    EXPECT_EQ(VisibleEditor(), nullptr) << "not editable yet";
    report.SetEditable();
    ClickCell(report, 1, 0);
    EXPECT_EQ(VisibleEditor(), nullptr) << "the first click only selects";
    EXPECT_TRUE(report.ExamItemStates(1, CReportCtrl::kItemSelected));
    ClickCell(report, 1, 1);
    ASSERT_NE(VisibleEditor(), nullptr);
    EXPECT_EQ(EditorText(), "2");
    EXPECT_EQ(::GetFocus(), report.GetEditControl()->m_hWnd);
    EXPECT_TRUE(report.GetEditControl()->GetStyle() & ES_RIGHT) << "aligned as the column";
    CRect cell, editor;
    report.GetSubItemRect(1, 1, LVIR_LABEL, cell);
    report.GetEditControl()->GetWindowRect(&editor);
    report.ScreenToClient(&editor);
    EXPECT_EQ(editor, cell);

    ClickCell(report, 1, 1);
    EXPECT_EQ(VisibleEditor(), nullptr) << "a click during an edit ends it";
    ASSERT_TRUE(report.SortItems(0, TRUE));
    ClickCell(report, 1, 1);
    ASSERT_NE(VisibleEditor(), nullptr) << "the row is still the current one";
    Type("25");
    PressKey(VK_RETURN);
    EXPECT_EQ(VisibleEditor(), nullptr);
    EXPECT_EQ(report.GetItemText(1, 1), "25");
    EXPECT_EQ(NoticesOf(kCommitted), (std::vector<CHostWnd::Notice>{ { kCommitted, 1, 1 } }));
    EXPECT_EQ(report.GetSortedColumn(), -1) << "a changed cell forgets the sort";
}

TEST_F(ReportCtrlTest, EditKeysMoveCommitOrCancel)
{
    AddRows({ { "a", "1", "x" }, { "b", "2", "y" } });
    report.SetEditable();
    ASSERT_TRUE(report.StartEdit(0, 2));
    PressKey(VK_TAB);
    ASSERT_NE(VisibleEditor(), nullptr);
    EXPECT_EQ(EditorText(), "a") << "Tab in the last column goes to column 0 of the same row";

    PressKey(VK_DOWN);
    EXPECT_EQ(EditorText(), "b");
    PressKey(VK_DOWN);
    EXPECT_EQ(EditorText(), "b") << "Down on the last row stays";
    PressKey(VK_UP);
    EXPECT_EQ(EditorText(), "a");
    EXPECT_TRUE(report.ExamItemStates(0, CReportCtrl::kItemSelected | CReportCtrl::kItemFocused));
    EXPECT_FALSE(report.ExamItemStates(1, CReportCtrl::kItemSelected));

    Type("changed");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(VisibleEditor(), nullptr);
    EXPECT_EQ(report.GetItemText(0, 0), "a") << "Esc leaves the cell as it was";

    ASSERT_TRUE(report.StartEdit(1, 0));
    PressKey(VK_RETURN);
    EXPECT_EQ(report.GetItemText(1, 0), "b");
    EXPECT_TRUE(NoticesOf(kCommitted).empty()) << "an unchanged text sends nothing";

    ASSERT_TRUE(report.StartEdit(1, 2));
    Type("w");
    PressKey(VK_TAB);
    EXPECT_EQ(report.GetItemText(1, 2), "w") << "Tab commits";
    EXPECT_EQ(EditorText(), "b");
    report.InsertItem(0, "new");
    EXPECT_EQ(VisibleEditor(), nullptr) << "an insertion ends the edit";

    ASSERT_TRUE(report.StartEdit(2, 1));
    Type("9");
    report.DeleteItem(2);
    EXPECT_EQ(VisibleEditor(), nullptr);
    EXPECT_EQ(NoticesOf(kCommitted).size(), 1u) << "deleting the edited row cancels its edit";

    EXPECT_FALSE(report.StartEdit(5, 0));
    EXPECT_FALSE(report.StartEdit(0, 3));
    report.SetEditable(FALSE);
    EXPECT_FALSE(report.StartEdit(0, 0));
}

TEST_F(ReportCtrlTest, CompositeStatesCountFindAndChangeRows)
{
    report.SetCheckboxeStyle(CReportCtrl::kCheckboxNormal);
    AddRows({ { "a" }, { "b" }, { "c" }, { "d" } });
    EXPECT_EQ(report.GetItemStates(0), CReportCtrl::kItemUnselected | CReportCtrl::kItemUnchecked | CReportCtrl::kItemUnfocused);
    EXPECT_TRUE(report.SetItemStates(1, CReportCtrl::kItemSelected | CReportCtrl::kItemChecked | CReportCtrl::kItemFocused));
    EXPECT_EQ(report.GetItemStates(1), CReportCtrl::kItemSelected | CReportCtrl::kItemChecked | CReportCtrl::kItemFocused);
    EXPECT_FALSE(report.ExamItemStates(1, 0));
    EXPECT_TRUE(report.ExamItemStates(0, CReportCtrl::kItemAll | CReportCtrl::kItemSelected));
    EXPECT_FALSE(report.ExamItemStates(1, CReportCtrl::kItemSelected | CReportCtrl::kItemUnchecked));
    EXPECT_FALSE(report.SetItemStates(9, CReportCtrl::kItemSelected));

    report.SetCheck(3);
    EXPECT_EQ(report.GetLastItem(CReportCtrl::kItemChecked, -1), 3) << "the very last row counts";
    EXPECT_EQ(report.GetLastItem(CReportCtrl::kItemChecked, 3), 1);
    EXPECT_EQ(report.GetLastItem(CReportCtrl::kItemChecked, 99), 3);
    EXPECT_EQ(report.GetFirstItem(CReportCtrl::kItemChecked, -5), 1);
    EXPECT_EQ(report.GetFirstItem(CReportCtrl::kItemChecked, 1), 3);
    EXPECT_EQ(report.GetFirstItem(CReportCtrl::kItemChecked, 3), -1);
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemChecked), 2);
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemUnchecked | CReportCtrl::kItemUnselected), 2);

    EXPECT_EQ(report.SetAllItemStates(CReportCtrl::kItemUnchecked, CReportCtrl::kItemSelected), 2);
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemSelected), 3);
    EXPECT_EQ(report.SetAllItemStates(0, CReportCtrl::kItemSelected), 0);
    report.InvertItems(0);
    EXPECT_EQ(report.GetFirstItem(CReportCtrl::kItemSelected), 3);
    report.InvertItems(1);
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemChecked), 2);
    EXPECT_TRUE(report.ExamItemStates(0, CReportCtrl::kItemChecked));
    EXPECT_TRUE(report.ExamItemStates(2, CReportCtrl::kItemChecked));

    report.SetCheckboxeStyle(CReportCtrl::kCheckboxSingle);
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemChecked), 1) << "the single style keeps the first checked row";
    EXPECT_EQ(report.SetAllItemStates(CReportCtrl::kItemAll, CReportCtrl::kItemChecked), 4);
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemChecked), 1);
}

TEST_F(ReportCtrlTest, RecordsKeepDataAndColoursWithTheirRows)
{
    int payloads[3] = {};
    const DWORD_PTR first = reinterpret_cast<DWORD_PTR>(&payloads[0]);
    ASSERT_EQ(report.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, "b", 0, 0, 0, static_cast<LPARAM>(first)), 0);
    AddRows({ { "c" }, { "a" } });
    EXPECT_EQ(report.GetItemData(0), first) << "pointer-sized data survives";
    EXPECT_TRUE(report.SetItemData(2, reinterpret_cast<DWORD_PTR>(&payloads[2])));
    EXPECT_FALSE(report.SetItemData(3, 1));
    EXPECT_EQ(report.GetItemData(3), 0u);
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = 1;
    item.lParam = reinterpret_cast<LPARAM>(&payloads[1]);
    EXPECT_TRUE(report.SetItem(&item));
    item.lParam = 0;
    ASSERT_TRUE(report.GetItem(&item));
    EXPECT_EQ(item.lParam, reinterpret_cast<LPARAM>(&payloads[1]));

    const COLORREF windowText = ::GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(report.GetItemTextColor(0, 2), windowText);
    EXPECT_EQ(report.GetItemBkColor(0, 2), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(report.GetItemTextColor(0, 3), 0xFFFFFFFFu);
    EXPECT_EQ(report.GetItemTextColor(3, 0), 0xFFFFFFFFu);
    report.SetItemTextColor(0, 1, RGB(255, 0, 0));
    report.SetItemBkColor(-1, 2, RGB(0, 0, 255));
    report.SetItemTextColor(2, -1, RGB(0, 255, 0));
    EXPECT_EQ(report.GetItemTextColor(0, 1), RGB(255, 0, 0));
    EXPECT_EQ(report.GetItemTextColor(0, 0), windowText);
    EXPECT_EQ(report.GetItemBkColor(1, 2), RGB(0, 0, 255)) << "an invalid row colours the column in every row";
    EXPECT_EQ(report.GetItemTextColor(2, 0), RGB(0, 255, 0)) << "an invalid column colours the whole row";
    EXPECT_EQ(report.GetItemTextColor(2, 2), RGB(0, 255, 0));

    report.InsertColumn(1, "Inserted", LVCFMT_LEFT, 50);
    EXPECT_EQ(report.GetItemTextColor(0, 1), windowText) << "a new column gets default colours";
    EXPECT_EQ(report.GetItemTextColor(0, 2), RGB(255, 0, 0));
    report.DeleteColumn(1);
    EXPECT_EQ(report.GetItemTextColor(0, 1), RGB(255, 0, 0));

    report.SetCheck(0);
    ASSERT_TRUE(report.SortItems(0, TRUE));
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "a", "b", "c" }));
    EXPECT_EQ(report.GetItemData(0), reinterpret_cast<DWORD_PTR>(&payloads[2]));
    EXPECT_EQ(report.GetItemData(1), first);
    EXPECT_EQ(report.GetItemTextColor(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(report.GetItemTextColor(0, 0), RGB(0, 255, 0));
    EXPECT_TRUE(report.ExamItemStates(1, CReportCtrl::kItemChecked)) << "the check mark moved with the row";
    EXPECT_FALSE(report.ExamItemStates(0, CReportCtrl::kItemChecked));

    ASSERT_TRUE(report.SwapItems(0, 2));
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "c", "b", "a" }));
    EXPECT_EQ(report.GetItemData(2), reinterpret_cast<DWORD_PTR>(&payloads[2]));
    EXPECT_EQ(report.GetItemTextColor(2, 0), RGB(0, 255, 0));
    EXPECT_TRUE(report.SwapItems(1, 1));
    EXPECT_FALSE(report.SwapItems(1, 3));
}

TEST_F(ReportCtrlTest, MovesClampTheTargetAndCarryTheRow)
{
    AddRows({ { "a", "1" }, { "b", "2" }, { "c", "3" }, { "d", "4" } });
    report.SetItemData(1, 22);
    report.SetItemTextColor(1, 1, RGB(1, 2, 3));
    report.SetItemStates(1, CReportCtrl::kItemSelected | CReportCtrl::kItemChecked);

    EXPECT_EQ(report.MoveDown(1, 2), 3);
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "a", "c", "d", "b" }));
    EXPECT_EQ(report.GetItemText(3, 1), "2");
    EXPECT_EQ(report.GetItemData(3), 22u);
    EXPECT_EQ(report.GetItemTextColor(3, 1), RGB(1, 2, 3));
    EXPECT_TRUE(report.ExamItemStates(3, CReportCtrl::kItemSelected | CReportCtrl::kItemChecked));

    EXPECT_EQ(report.MoveToBottom(3), 3) << "the last row stays";
    EXPECT_EQ(report.MoveTo(2, -5), 0) << "a target above the first row is row 0";
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "d", "a", "c", "b" }));
    EXPECT_EQ(report.MoveToTop(3), 0);
    EXPECT_EQ(report.MoveUp(3, 1), 2);
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "b", "d", "c", "a" }));
    EXPECT_EQ(report.MoveTo(7, 0), -1);

    ASSERT_TRUE(report.SortItems(0, TRUE));
    report.MoveDown(0);
    EXPECT_EQ(report.GetSortedColumn(), -1) << "a move forgets the sort";
}

TEST_F(ReportCtrlTest, DeletingRowsByStateAndSelectingTheNext)
{
    AddRows({ { "a" }, { "b" }, { "c" }, { "d" }, { "e" } });
    report.SetCheck(1);
    report.SetCheck(2);
    report.SetCheck(4);
    EXPECT_EQ(report.DeleteAllItems(CReportCtrl::kItemChecked), 3);
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "a", "d" }));
    EXPECT_EQ(report.DeleteAllItems(0), 0);

    EXPECT_TRUE(report.DeleteItem(0, TRUE));
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "d" }));
    EXPECT_TRUE(report.ExamItemStates(0, CReportCtrl::kItemSelected)) << "the following row was selected";
    EXPECT_FALSE(report.DeleteItem(1));
    AddRows({ { "x" } });
    EXPECT_EQ(report.DeleteAllItems(), 2);
    EXPECT_EQ(report.GetItemCount(), 0);
}

TEST_F(ReportCtrlTest, TypedValuesBecomeTexts)
{
    AddRows({ { "" } });
    report.SetItemText(0, 1, 'x');
    EXPECT_EQ(report.GetItemText(0, 1), "x");
    report.SetItemText(0, 1, -42);
    EXPECT_EQ(report.GetItemText(0, 1), "-42");
    report.SetItemText(0, 1, 4000000000u);
    EXPECT_EQ(report.GetItemText(0, 1), "4000000000");
    report.SetItemText(0, 1, 7L);
    EXPECT_EQ(report.GetItemText(0, 1), "7");
    report.SetItemText(0, 1, 3.14159, 2);
    EXPECT_EQ(report.GetItemText(0, 1), "3.14");
    report.SetItemText(0, 1, 1.5);
    EXPECT_EQ(report.GetItemText(0, 1), "1.5");
    report.SetItemText(0, 1, 2.0);
    EXPECT_EQ(report.GetItemText(0, 1), "2");
    report.SetItemText(0, 1, 100.0);
    EXPECT_EQ(report.GetItemText(0, 1), "100");

    COleDateTime invalid;
    invalid.SetStatus(COleDateTime::invalid);
    report.SetItemText(0, 2, invalid);
    EXPECT_EQ(report.GetItemText(0, 2), "");
    const COleDateTime date(2024, 5, 17, 0, 0, 0);
    report.SetItemText(0, 2, date, VAR_DATEVALUEONLY);
    EXPECT_EQ(report.GetItemText(0, 2), date.Format(VAR_DATEVALUEONLY, LANG_USER_DEFAULT));
    EXPECT_FALSE(report.GetItemText(0, 2).IsEmpty());
}

TEST_F(ReportCtrlTest, CellColoursArePainted)
{
    AddRows({ { "a", "", "" }, { "b", "", "" } });
    report.SetItemBkColor(1, 1, RGB(200, 0, 0));
    CRect cell;
    report.GetSubItemRect(1, 1, LVIR_BOUNDS, cell);
    CRect client;
    report.GetClientRect(&client);

    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.Width(), client.Height());
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    report.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    const CPoint inside = cell.CenterPoint();
    EXPECT_EQ(::GetPixel(memory, inside.x, inside.y), RGB(200, 0, 0));
    CRect other;
    report.GetSubItemRect(0, 1, LVIR_BOUNDS, other);
    EXPECT_NE(::GetPixel(memory, other.CenterPoint().x, other.CenterPoint().y), RGB(200, 0, 0));
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
}

TEST_F(ReportCtrlTest, HeaderAndRowImages)
{
    ASSERT_TRUE(report.SetImageList(IDB_ROW_IMAGES, RGB(0, 0, 0)));
    ASSERT_NE(report.GetImageList(), nullptr);
    EXPECT_EQ(report.GetImageList()->GetImageCount(), 4);
    EXPECT_EQ(report.GetHeaderImage(1), 0) << "no image set yet";
    EXPECT_TRUE(report.SetHeaderImage(1, 2, FALSE));
    EXPECT_EQ(report.GetHeaderImage(1), 2);
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    ASSERT_TRUE(report.GetHeaderCtrl()->GetItem(1, &item));
    EXPECT_EQ(item.fmt & (HDF_IMAGE | HDF_BITMAP_ON_RIGHT), HDF_IMAGE | HDF_BITMAP_ON_RIGHT);
    EXPECT_EQ(report.GetHeaderCtrl()->GetImageList()->GetSafeHandle(), report.GetImageList()->GetSafeHandle())
        << "a header without images borrows the rows'";
    EXPECT_FALSE(report.SetHeaderImage(7, 0, TRUE));
    EXPECT_EQ(report.GetHeaderImage(7), -1);

    CImageList* borrowed = report.SetHeaderImageList(IDB_ROW_IMAGES, RGB(0, 0, 0));
    EXPECT_EQ(borrowed->GetSafeHandle(), report.GetImageList()->GetSafeHandle());
    EXPECT_EQ(report.SetHeaderImageList(IDB_ROW_IMAGES, RGB(0, 0, 0)), nullptr)
        << "the control's own previous list is released, not returned";
    EXPECT_EQ(report.GetHeaderCtrl()->GetImageList()->GetImageCount(), 4);

    AddRows({ { "a", "b" } });
    report.SetItemImage(0, 1, 3);
    EXPECT_EQ(report.GetItemImage(0, 1), 3);
    EXPECT_EQ(report.GetItemImage(4, 1), -1);
    report.SetEditable();
    ASSERT_TRUE(report.StartEdit(0, 1));
    CRect cell, editor;
    report.GetSubItemRect(0, 1, LVIR_LABEL, cell);
    report.GetEditControl()->GetWindowRect(&editor);
    report.ScreenToClient(&editor);
    EXPECT_EQ(editor.left, cell.left + 16) << "the editor leaves the cell's image visible";
}
