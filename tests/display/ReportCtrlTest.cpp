#include "DisplayTests.h"
#include "MemoryCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace UserInput;

namespace {

const UINT kChecked = CReportCtrl::kCheckChangedMessage;
const UINT kSorted = CReportCtrl::kSortedMessage;
const UINT kCommitted = CReportCtrl::kEditCommittedMessage;
const DWORD kSelected = CReportCtrl::kItemSelected;
const DWORD kCheckedState = CReportCtrl::kItemChecked;
using Params = std::vector<std::pair<WPARAM, LPARAM>>;

class ReportCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(report.Create(&host, 100, CRect(0, 0, 600, 400)));
        ASSERT_TRUE(report.SetColumnHeader("Name,150;Size,80,2;State,120"));
    }

    void AddRows(const std::vector<std::vector<const char*>>& rows)
    {
        for (const auto& row : rows) {
            const int index = report.InsertItem(report.GetItemCount(), row[0]);
            for (size_t column = 1; column < row.size(); ++column)
                report.SetItemText(index, static_cast<int>(column), row[column]);
        }
    }

    // The wParam and lParam of each message of one kind that the host heard.
    Params NoticesOf(UINT message)
    {
        Params found;
        for (const auto& [heard, wParam, lParam] : host.notices) {
            if (heard == message)
                found.emplace_back(wParam, lParam);
        }
        return found;
    }

    // The editor's text while it shows, "closed" otherwise.
    std::string Editor()
    {
        CEdit* edit = report.GetEditControl();
        if (!edit->m_hWnd || !edit->IsWindowVisible())
            return "closed";
        CString text;
        edit->GetWindowText(text);
        return static_cast<LPCSTR>(text);
    }

    CHostWnd host;
    CReportCtrl report;
};

} // namespace

TEST_F(ReportCtrlTest, StaysAReportAndBuildsColumnsFromADefinition)
{
    report.ModifyStyle(WS_VISIBLE | LVS_REPORT, LVS_EDITLABELS | LVS_SMALLICON);
    EXPECT_EQ(report.GetStyle() & (WS_VISIBLE | LVS_TYPEMASK | LVS_EDITLABELS), static_cast<DWORD>(WS_VISIBLE | LVS_REPORT));
    report.SetExtendedStyle(LVS_EX_GRIDLINES);
    EXPECT_EQ(report.CListCtrl::GetExtendedStyle(),
              static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES));
    report.ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    EXPECT_FALSE(report.GetExStyle() & WS_EX_TRANSPARENT) << "no list-view bit leaks into the window's style";

    AddRows({ { "old" } });
    ASSERT_TRUE(report.SetColumnHeader("Name,150;Size,80,2"));
    EXPECT_EQ(report.GetItemCount(), 0);
    EXPECT_EQ(report.GetHeaderText(1), "Size");
    EXPECT_EQ(report.GetColumnWidth(1), 80);
    ASSERT_TRUE(report.SetColumnHeader("A;;B,,1"));
    EXPECT_EQ(report.GetColumnCount(), 2) << "the empty definition is dropped";
    EXPECT_EQ(report.GetColumnWidth(1), 1) << "an empty field is dropped, so 1 is the width";
    EXPECT_FALSE(report.SetColumnHeader(";;"));
    EXPECT_EQ(report.GetHeaderText(0), "");
}

TEST_F(ReportCtrlTest, HeaderClicksSortAndToggleUntilTheRowsChange)
{
    AddRows({ { "b", "2" }, { "c", "1" }, { "-----", "9" }, { "a", "3" } });
    report.SetSortSeparator("-----");
    ClickHeader(report, 0);
    EXPECT_EQ(ColumnTexts(report, 0), (std::vector<std::string>{ "b", "c", "-----", "a" })) << "the separator splits the sort";
    report.SetSortSeparator(nullptr);
    ClickHeader(report, 0);
    EXPECT_EQ(ColumnTexts(report, 0), (std::vector<std::string>{ "c", "b", "a", "-----" }));
    ClickHeader(report, 1);
    EXPECT_EQ(ColumnTexts(report, 1), (std::vector<std::string>{ "1", "2", "3", "9" })) << "another column starts ascending";
    EXPECT_EQ(NoticesOf(kSorted), (Params{ { 0, TRUE }, { 0, FALSE }, { 1, TRUE } }));
    report.SetItemText(0, 1, "0");
    EXPECT_EQ(report.GetSortedColumn(), -1) << "a changed text forgets the sort";
    ClickHeader(report, 1);
    EXPECT_EQ(ColumnTexts(report, 1), (std::vector<std::string>{ "0", "2", "3", "9" })) << "ascending, not toggled";
    report.InsertItem(0, "d");
    EXPECT_EQ(report.GetSortedColumn(), -1) << "an inserted row forgets the sort";

    EXPECT_FALSE(report.SortItems(3, TRUE)) << "no such column";
    report.SetSortable(FALSE);
    EXPECT_EQ(report.GetSortedColumn(), -1);
    ClickHeader(report, 0);
    EXPECT_EQ(ColumnTexts(report, 1), (std::vector<std::string>{ "", "0", "2", "3", "9" })) << "the header no longer sorts";
}

TEST_F(ReportCtrlTest, CheckBoxStylesDecideWhatAClickDoes)
{
    EXPECT_FALSE(report.CListCtrl::GetExtendedStyle() & LVS_EX_CHECKBOXES) << "shown only once a style is set";
    report.SetCheckboxeStyle(CReportCtrl::kCheckboxNormal);
    AddRows({ { "a" }, { "b" }, { "c" } });
    report.SetItemStates(2, kSelected);
    ClickCheckBox(report, 1);
    EXPECT_TRUE(report.ExamItemStates(1, kCheckedState | kSelected | CReportCtrl::kItemFocused));
    EXPECT_EQ(report.GetItemCount(kSelected), 1) << "the clicked row is the only selected one";
    ClickCheckBox(report, 0);
    EXPECT_EQ(NoticesOf(kChecked), (Params{ { 1, WM_LBUTTONDOWN }, { 0, WM_LBUTTONDOWN } }));

    report.SetCheckboxeStyle(CReportCtrl::kCheckboxSingle);
    EXPECT_EQ(report.GetItemCount(kCheckedState), 1) << "the single style keeps the first checked row";
    ClickCheckBox(report, 2);
    EXPECT_EQ(report.GetFirstItem(kCheckedState), 2);
    EXPECT_EQ(report.GetItemCount(kCheckedState), 1) << "checking a row unchecks the others";
    report.SetCheck(0, TRUE);
    EXPECT_EQ(report.GetFirstItem(kCheckedState), 0) << "also when the program checks a row";
    EXPECT_EQ(report.GetItemCount(kCheckedState), 1);

    host.notices.clear();
    report.SetCheckboxeStyle(CReportCtrl::kCheckboxReadOnly);
    ClickCheckBox(report, 1);
    ClickCell(report, 1, 1);
    PressKey(VK_SPACE);
    EXPECT_TRUE(report.ExamItemStates(1, CReportCtrl::kItemUnchecked)) << "neither a click nor the space bar";
    EXPECT_TRUE(NoticesOf(kChecked).empty());
    report.SetCheckboxeStyle(7);
    EXPECT_EQ(report.GetCheckboxStyle(), CReportCtrl::kCheckboxReadOnly) << "unknown styles are ignored";
}

TEST_F(ReportCtrlTest, ASecondClickEditsTheCellAndKeysMoveCommitOrCancel)
{
    AddRows({ { "a", "1", "x" }, { "b", "2", "y" }, { "c", "3", "z" } });
    ClickCell(report, 1, 1);
    ClickCell(report, 1, 1);
    EXPECT_EQ(Editor(), "closed") << "not editable yet";
    report.SetEditable();
    ClickCell(report, 0, 0);
    EXPECT_EQ(Editor(), "closed") << "the first click only selects";
    ClickCell(report, 0, 1);
    EXPECT_EQ(Editor(), "1");
    EXPECT_EQ(::GetFocus(), report.GetEditControl()->m_hWnd);
    EXPECT_TRUE(report.GetEditControl()->GetStyle() & ES_RIGHT) << "aligned as the column";
    CRect cell, editor;
    report.GetSubItemRect(0, 1, LVIR_LABEL, cell);
    report.GetEditControl()->GetWindowRect(&editor);
    report.ScreenToClient(&editor);
    EXPECT_EQ(editor, cell);
    ClickCell(report, 0, 1);
    EXPECT_EQ(Editor(), "closed") << "a click during an edit ends it";

    ASSERT_TRUE(report.SortItems(0, TRUE));
    ASSERT_TRUE(report.StartEdit(0, 2));
    PressKey(VK_TAB);
    EXPECT_EQ(Editor(), "a") << "Tab in the last column goes to column 0 of the same row";
    PressKey(VK_UP);
    PressKey(VK_DOWN);
    EXPECT_EQ(Editor(), "b") << "Up on the first row stays";
    EXPECT_FALSE(report.ExamItemStates(0, kSelected));
    Type("changed");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(report.GetItemText(1, 0), "b") << "Esc leaves the cell as it was";
    ASSERT_TRUE(report.StartEdit(1, 0));
    PressKey(VK_RETURN);
    EXPECT_TRUE(NoticesOf(kCommitted).empty()) << "an unchanged text sends nothing";
    ASSERT_TRUE(report.StartEdit(1, 1));
    Type("25");
    PressKey(VK_TAB);
    EXPECT_EQ(report.GetItemText(1, 1), "25") << "Tab commits";
    EXPECT_EQ(NoticesOf(kCommitted), (Params{ { 1, 1 } }));
    EXPECT_EQ(report.GetSortedColumn(), -1) << "a changed cell forgets the sort";
    report.InsertItem(0, "new");
    EXPECT_EQ(Editor(), "closed") << "an insertion ends the edit";

    ASSERT_TRUE(report.StartEdit(2, 1));
    Type("9");
    report.DeleteItem(2);
    EXPECT_EQ(NoticesOf(kCommitted).size(), 1u) << "deleting the edited row cancels its edit";
    EXPECT_FALSE(report.StartEdit(0, 3));
    report.SetEditable(FALSE);
    EXPECT_FALSE(report.StartEdit(0, 0));
}

TEST_F(ReportCtrlTest, CompositeStatesCountFindAndChangeRows)
{
    report.SetCheckboxeStyle(CReportCtrl::kCheckboxNormal);
    AddRows({ { "a" }, { "b" }, { "c" }, { "d" } });
    EXPECT_TRUE(report.SetItemStates(1, kSelected | kCheckedState | CReportCtrl::kItemFocused));
    EXPECT_EQ(report.GetItemStates(1), kSelected | kCheckedState | CReportCtrl::kItemFocused);
    EXPECT_FALSE(report.ExamItemStates(1, kSelected | CReportCtrl::kItemUnchecked));
    EXPECT_FALSE(report.SetItemStates(9, kSelected));

    report.SetCheck(3);
    // The last before -1 is the very last row; the first after -5 is row 0 on.
    EXPECT_EQ((std::vector<int>{ report.GetLastItem(kCheckedState, -1), report.GetLastItem(kCheckedState, 3),
                                 report.GetFirstItem(kCheckedState, -5), report.GetFirstItem(kCheckedState, 3) }),
              (std::vector<int>{ 3, 1, 1, -1 }));
    EXPECT_EQ(report.GetItemCount(CReportCtrl::kItemUnchecked | CReportCtrl::kItemUnselected), 2);
    EXPECT_EQ(report.SetAllItemStates(CReportCtrl::kItemUnchecked, kSelected), 2);
    report.InvertItems(0);
    EXPECT_EQ(report.GetFirstItem(kSelected), 3);
    report.InvertItems(1);
    EXPECT_EQ(report.GetFirstItem(kCheckedState), 0);

    EXPECT_EQ(report.DeleteAllItems(kCheckedState), 2);
    EXPECT_EQ(ColumnTexts(report, 0), (std::vector<std::string>{ "b", "d" }));
    EXPECT_TRUE(report.DeleteItem(0, TRUE));
    EXPECT_TRUE(report.ExamItemStates(0, kSelected)) << "the following row was selected";
}

TEST_F(ReportCtrlTest, RecordsKeepDataColoursStatesAndImagesWithTheirRows)
{
    int payloads[3] = {};
    const DWORD_PTR first = reinterpret_cast<DWORD_PTR>(&payloads[0]);
    ASSERT_EQ(report.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, "b", 0, 0, 0, static_cast<LPARAM>(first)), 0);
    AddRows({ { "c" }, { "a" } });
    EXPECT_EQ(report.GetItemData(0), first) << "pointer-sized data survives";
    EXPECT_TRUE(report.SetItemData(2, reinterpret_cast<DWORD_PTR>(&payloads[2])));
    EXPECT_FALSE(report.SetItemData(3, 1));
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = 1;
    item.lParam = reinterpret_cast<LPARAM>(&payloads[1]);
    EXPECT_TRUE(report.SetItem(&item));
    item.lParam = 0;
    ASSERT_TRUE(report.GetItem(&item));
    EXPECT_EQ(item.lParam, reinterpret_cast<LPARAM>(&payloads[1]));

    const COLORREF windowText = ::GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(report.GetItemTextColor(0, 3), 0xFFFFFFFFu);
    report.SetItemTextColor(0, 1, RGB(255, 0, 0));
    report.SetItemBkColor(-1, 2, RGB(0, 0, 255));
    report.SetItemTextColor(2, -1, RGB(0, 255, 0));
    EXPECT_EQ(report.GetItemTextColor(0, 0), windowText);
    EXPECT_EQ(report.GetItemBkColor(1, 2), RGB(0, 0, 255)) << "an invalid row colours the column in every row";
    EXPECT_EQ(report.GetItemTextColor(2, 2), RGB(0, 255, 0)) << "an invalid column colours the whole row";
    report.InsertColumn(1, "Inserted", LVCFMT_LEFT, 50);
    EXPECT_EQ(report.GetItemTextColor(0, 1), windowText) << "a new column gets default colours";
    report.DeleteColumn(1);
    EXPECT_EQ(report.GetItemTextColor(0, 1), RGB(255, 0, 0));

    report.SetCheck(0);
    ASSERT_TRUE(report.SortItems(0, TRUE));
    EXPECT_EQ(ColumnTexts(report, 0), (std::vector<std::string>{ "a", "b", "c" }));
    EXPECT_EQ(report.GetItemData(1), first);
    EXPECT_EQ(report.GetItemTextColor(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(report.GetItemTextColor(0, 0), RGB(0, 255, 0));
    EXPECT_TRUE(report.ExamItemStates(1, kCheckedState)) << "the check mark moved with the row";
    EXPECT_FALSE(report.ExamItemStates(0, kCheckedState));
    ASSERT_TRUE(report.SwapItems(0, 2));
    EXPECT_EQ(report.GetItemData(2), reinterpret_cast<DWORD_PTR>(&payloads[2]));
    EXPECT_FALSE(report.SwapItems(1, 3));

    report.SetItemStates(1, kSelected);
    EXPECT_EQ(report.MoveDown(1, 5), 2) << "the target is clamped to the last row";
    EXPECT_EQ(ColumnTexts(report, 0), (std::vector<std::string>{ "c", "a", "b" }));
    EXPECT_EQ(report.GetItemData(2), first);
    EXPECT_TRUE(report.ExamItemStates(2, kSelected | kCheckedState));
    EXPECT_EQ(report.MoveToBottom(2), 2) << "the last row stays";
    EXPECT_EQ(report.MoveTo(2, -5), 0) << "a target above the first row is row 0";
    EXPECT_EQ(report.MoveTo(7, 0), -1);

    // Decimals become texts without trailing zeros.
    for (const auto& value : { std::make_tuple(3.14159, 2, "3.14"), std::make_tuple(1.5, -1, "1.5"),
                               std::make_tuple(100.0, -1, "100") }) {
        report.SetItemText(0, 1, std::get<0>(value), std::get<1>(value));
        EXPECT_EQ(report.GetItemText(0, 1), std::get<2>(value));
    }

    // Cell colours are painted; the cells looked at are empty, so no text covers them.
    report.SetItemText(1, 2, "");
    report.SetItemBkColor(1, 2, RGB(200, 0, 0));
    CRect cell, other, client;
    report.GetSubItemRect(1, 2, LVIR_BOUNDS, cell);
    report.GetSubItemRect(1, 1, LVIR_BOUNDS, other);
    report.GetClientRect(&client);
    CMemoryCanvas printed(client.Width(), client.Height(), RGB(0, 0, 0));
    report.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.DC().GetSafeHdc()), PRF_CLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(printed.Pixel(cell.CenterPoint().x, cell.CenterPoint().y), RGB(200, 0, 0));
    EXPECT_NE(printed.Pixel(other.CenterPoint().x, other.CenterPoint().y), RGB(200, 0, 0));

    // Header and row images.
    ASSERT_TRUE(report.SetImageList(IDB_ROW_IMAGES, RGB(0, 0, 0)));
    EXPECT_EQ(report.GetImageList()->GetImageCount(), 4);
    EXPECT_TRUE(report.SetHeaderImage(1, 2, FALSE));
    EXPECT_EQ(report.GetHeaderImage(1), 2);
    CImageList* borrowed = report.SetHeaderImageList(IDB_ROW_IMAGES, RGB(0, 0, 0));
    EXPECT_EQ(borrowed->GetSafeHandle(), report.GetImageList()->GetSafeHandle())
        << "a header without images borrowed the rows'";
    EXPECT_EQ(report.SetHeaderImageList(IDB_ROW_IMAGES, RGB(0, 0, 0)), nullptr)
        << "the control's own previous list is released, not returned";

    report.SetItemImage(0, 1, 3);
    report.SetEditable();
    ASSERT_TRUE(report.StartEdit(0, 1));
    CRect label, editor;
    report.GetSubItemRect(0, 1, LVIR_LABEL, label);
    report.GetEditControl()->GetWindowRect(&editor);
    report.ScreenToClient(&editor);
    EXPECT_EQ(editor.left, label.left + 16) << "the editor leaves the cell's image visible";
}
