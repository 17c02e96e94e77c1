#include "TestJobs.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#undef GetObject

using UserInput::ClickCell;
using UserInput::ClickCheckBox;

namespace {

class ObjectListControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, CRect(0, 0, 400, 300), &host, 10));
        control.SetExtendedStyle(LVS_EX_CHECKBOXES);
        control.AddListener(&recorder);
        jobs = MakeJobs({ { "intro", "10" }, { "talk", "250" }, { "outro", "5" } });
    }

    CObjectDisplay* DisplayOf(int index) { return control.FindChildDisplay(jobs->GetAt(index)); }

    CHostWnd host;
    CJobControl<CObjectListControl> control;
    CSelectionRecorder recorder;
    std::unique_ptr<CPersistList> jobs;
};

} // namespace

TEST_F(ObjectListControlTest, RowsFollowTheListAndItsObjects)
{
    EXPECT_TRUE(control.GetExStyle() & WS_EX_CLIENTEDGE) << "a border becomes a client edge";
    EXPECT_TRUE(control.GetStyle() & LVS_SHOWSELALWAYS);
    ASSERT_NE(control.GetImageList(LVSIL_SMALL), nullptr);
    EXPECT_EQ(control.GetImageList(LVSIL_SMALL)->GetImageCount(), 4);

    JobAt(*jobs, 1)->checked = true;
    JobAt(*jobs, 2)->state = "Done";
    control.SetObject(jobs.get());
    EXPECT_EQ(ColumnTexts(control, 0), (std::vector<std::string>{ "intro", "talk", "outro" }));
    EXPECT_EQ(control.GetItemText(1, 1), "250");
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(control.GetListDisplay(row), DisplayOf(row));
        EXPECT_EQ(control.GetListIndex(DisplayOf(row)), row);
    }
    EXPECT_TRUE(control.IsItemChecked(1)) << "shown as the object says, though it refuses every check";
    EXPECT_TRUE(control.checkRequests.empty()) << "marks the control writes pass no object";
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = 2;
    ASSERT_TRUE(control.GetItem(&item));
    EXPECT_EQ(item.iImage, 1);

    jobs->Insert(1, new CTestJob("break", "1"));
    jobs->DeleteAt(0);
    EXPECT_EQ(ColumnTexts(control, 0), (std::vector<std::string>{ "break", "talk", "outro" }));
    EXPECT_EQ(control.GetListIndex(DisplayOf(2)), 2);

    control.textsAskedFor.clear();
    CTestJob* talk = JobAt(*jobs, 1);
    talk->size = "300";
    talk->checked = false;
    talk->Change();
    EXPECT_EQ(control.textsAskedFor, (std::vector<std::string>{ "talk", "talk", "talk" }));
    EXPECT_EQ(control.GetItemText(1, 1), "300");
    EXPECT_FALSE(control.IsItemChecked(1));
    talk->Notify('size', 0, 0);
    EXPECT_EQ(control.textsAskedFor.size(), 3u) << "only a change as a whole rewrites";
    control.DisplayChanged(&control);
    EXPECT_EQ(control.textsAskedFor.size(), 12u) << "a change of the control rewrites every row";

    control.Refresh();
    EXPECT_EQ(control.GetHeaderCtrl()->GetItemCount(), 3) << "the columns are made anew, not added";
    EXPECT_EQ(ColumnTexts(control, 0), (std::vector<std::string>{ "break", "talk", "outro" }));
}

TEST_F(ObjectListControlTest, TheUsersSelectionAndChecksReachTheDisplaysAndObjects)
{
    control.SetObject(jobs.get());
    ClickCell(control, 1, 0);
    EXPECT_EQ(recorder.selections, (std::vector<std::pair<const void*, bool>>{ { DisplayOf(1), true } }));
    EXPECT_EQ(control.GetSelection(), DisplayOf(1));
    recorder.selections.clear();
    ClickCell(control, 2, 0);
    EXPECT_EQ(recorder.selections.size(), 2u) << "one row lost the selection, one gained it";
    recorder.selections.clear();
    UserInput::PressKey(VK_UP, VK_SHIFT);
    EXPECT_EQ(SelectedRows(control), (std::vector<int>{ 1, 2 }));
    EXPECT_EQ(recorder.selections, (std::vector<std::pair<const void*, bool>>{ { DisplayOf(1), true } }))
        << "the row that stayed selected is not announced again";

    ClickCheckBox(control, 0);
    EXPECT_FALSE(control.IsItemChecked(0)) << "the default refuses";
    control.acceptChecks = true;
    control.checkRequests.clear();
    ClickCheckBox(control, 0);
    EXPECT_TRUE(control.IsItemChecked(0));
    EXPECT_TRUE(JobAt(*jobs, 0)->checked);
    EXPECT_EQ(control.checkRequests,
              (std::vector<std::pair<std::string, bool>>{ { "intro", true }, { "intro", true } }))
        << "asked while changing and after the change";
    control.CheckItem(-1, true);
    EXPECT_FALSE(control.IsItemChecked(1)) << "row -1 is no row, not every row";
}

namespace {

// Rows, a change, selection by code, and Remove with its follower, in the list and in its
// owner-data kind, whose rows keep no item data.
template <class TControl>
void SelectionByCodeReachesTheRows()
{
    CHostWnd host;
    CJobControl<TControl> control;
    ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &host, 11));
    auto jobs = MakeJobs({ { "a", "1" }, { "b" }, { "c" }, { "d" }, { "e" }, { "f" } });
    control.SetObject(jobs.get());
    EXPECT_EQ(control.GetItemText(0, 1), "1");
    JobAt(*jobs, 0)->size = "11";
    JobAt(*jobs, 0)->Change();
    EXPECT_EQ(control.GetItemText(0, 1), "11");
    const int destroyedBefore = CTestJob::sDestroyed;
    control.FindChildDisplay(jobs->GetAt(2))->Select(true);
    control.FindChildDisplay(jobs->GetAt(4))->Select(true);
    EXPECT_EQ(SelectedRows(control), (std::vector<int>{ 2, 4 }));
    control.Remove();
    EXPECT_EQ(ColumnTexts(control, 0), (std::vector<std::string>{ "a", "b", "d", "f" }));
    EXPECT_EQ(CTestJob::sDestroyed, destroyedBefore + 2);
    EXPECT_EQ(SelectedRows(control), (std::vector<int>{ 3 })) << "f followed the last removed row";
    EXPECT_EQ(control.GetSelection(), control.FindChildDisplay(jobs->GetAt(3)));

    control.Remove();
    EXPECT_EQ(SelectedRows(control), (std::vector<int>{ 2 })) << "without a follower the new last row";
    control.SelectAll(true);
    EXPECT_EQ(SelectedRows(control), (std::vector<int>{ 0, 1, 2 }));
    ClickCell(control, 1, 0);
    EXPECT_EQ(control.GetSelectionCount(), 1) << "a click selects the one row";
    control.SelectAll(true);
    control.Remove();
    EXPECT_EQ(control.GetItemCount(), 0);
    EXPECT_EQ(control.GetSelectionCount(), 0);
}

} // namespace

TEST(ObjectListControl, SelectionByCodeReachesTheRowsInBothKinds)
{
    SelectionByCodeReachesTheRows<CObjectListControl>();
    SelectionByCodeReachesTheRows<CFastObjectListControl>();
}

TEST_F(ObjectListControlTest, ClearDeselectsThenDeletesEveryObject)
{
    control.SetObject(jobs.get());
    DisplayOf(1)->Select(true);
    recorder.selections.clear();
    control.Clear();
    EXPECT_EQ(jobs->GetItemCount(), 0);
    EXPECT_EQ(control.GetItemCount(), 0);
    ASSERT_EQ(recorder.selections.size(), 1u);
    EXPECT_FALSE(recorder.selections[0].second) << "the selected row was deselected first";
}

TEST_F(ObjectListControlTest, PromptShowsWhileTheListIsEmpty)
{
    control.SetPromptText("Add files to convert");
    HWND prompt = ::GetDlgItem(control.m_hWnd, 0xFFFF);
    ASSERT_NE(prompt, nullptr);
    EXPECT_FALSE(::IsWindowVisible(prompt)) << "no list bound: no prompt";

    auto empty = MakeJobs({});
    control.SetObject(empty.get());
    EXPECT_TRUE(::IsWindowVisible(prompt));
    char text[64] = {};
    ::GetWindowTextA(prompt, text, sizeof text);
    EXPECT_STREQ(text, "Add files to convert");
    empty->Add(new CTestJob("first", "1"));
    EXPECT_FALSE(::IsWindowVisible(prompt));
    empty->DeleteAt(0);
    EXPECT_TRUE(::IsWindowVisible(prompt));
    control.SetObject(nullptr);
}

TEST_F(ObjectListControlTest, ToolTipsNameTheCellUnderTheMouse)
{
    control.SetObject(jobs.get());
    TOOLINFOA tool = {};
    EXPECT_EQ(control.OnToolHitTest(UserInput::CellPoint(control, 0, 0), &tool), 0x00010001);
    EXPECT_EQ(control.OnToolHitTest(CPoint(20, 280), &tool), -1) << "below the rows";
    CRect column1, cell;
    control.GetHeaderCtrl()->GetItemRect(1, &column1);
    int row = -1, column = -1;
    CPoint inSecondColumn(column1.left + 5, UserInput::CellPoint(control, 0, 0).y);
    ASSERT_TRUE(control.GetCellRect(inSecondColumn, cell, row, column));
    EXPECT_EQ(column, 1);
    EXPECT_EQ(cell.right, column1.right);
    CPoint onSharedEdge(column1.left, UserInput::CellPoint(control, 2, 0).y);
    ASSERT_TRUE(control.GetCellRect(onSharedEdge, cell, row, column));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(column, 0) << "a shared edge belongs to the left column";

    NMTTDISPINFOA request = {};
    request.hdr.hwndFrom = control.m_hWnd;
    request.hdr.code = TTN_NEEDTEXTA;
    control.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(request.lpszText, nullptr) << "id 0 names no cell";
    request.hdr.idFrom = 0x00020002;
    control.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_STREQ(request.lpszText, "tip talk 1");
    NMTTDISPINFOW wide = {};
    wide.hdr.hwndFrom = control.m_hWnd;
    wide.hdr.code = TTN_NEEDTEXTW;
    wide.hdr.idFrom = 0x00030001;
    control.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
    EXPECT_STREQ(wide.lpszText, L"tip outro 0");
}

TEST_F(ObjectListControlTest, EditedLabelsGoToTheirDisplaysAndClosingKeepsTheObjects)
{
    control.ModifyStyle(0, LVS_EDITLABELS);
    control.SetObject(jobs.get());
    control.SetFocus();
    ASSERT_NE(control.EditLabel(1), nullptr);
    UserInput::Type("keynote");
    UserInput::PressKey(VK_RETURN);
    ASSERT_NE(control.EditLabel(0), nullptr);
    UserInput::PressKey(VK_ESCAPE);
    EXPECT_EQ(recorder.editedTexts, (std::vector<std::string>{ "keynote" })) << "a cancelled edit names nothing";

    DisplayOf(2)->Select(true);
    recorder.selections.clear();
    control.SendMessage(WM_CLOSE);
    EXPECT_EQ(control.GetObject(), nullptr);
    ASSERT_FALSE(recorder.selections.empty());
    EXPECT_FALSE(recorder.selections.back().second) << "the selection was let go";
    EXPECT_EQ(jobs->GetItemCount(), 3);
}

namespace {

class CDrawnJobList : public CJobControl<CDrawObjectListControl> {
public:
    std::vector<std::string> drawn;
    void DrawObject(CDC& dc, CRect& rect, CObjectDisplay* display) override
    {
        if (dc.GetSafeHdc() && rect.Height() > 0)
            drawn.push_back(static_cast<CTestJob*>(display->GetObject())->name);
    }
};

} // namespace

TEST(DrawObjectListControl, RowsAreDrawnByTheControlAcrossItsWidth)
{
    CHostWnd host;
    CDrawnJobList control;
    ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 300, 200), &host, 12));
    auto jobs = MakeJobs({ { "intro" }, { "talk" } });
    control.SetObject(jobs.get());
    control.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_EQ(control.drawn, (std::vector<std::string>{ "intro", "talk" }));
    control.MoveWindow(0, 0, 250, 200);
    CRect client;
    control.GetClientRect(&client);
    EXPECT_EQ(control.GetColumnWidth(0), client.Width() - 4);
}

TEST(ObjectControlDisplay, NestedDisplaysAskTheirParentForItems)
{
    CHostWnd host;
    CJobControl<CObjectListControl> control;
    ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &host, 13));
    control.Refresh();
    CObjectControlDisplay nested(&control);
    CTestJob job("nested", "1");
    EXPECT_EQ(nested.CreateChildDisplayHandle(&nested, &job, 0), 0) << "the row comes from the control";
    EXPECT_EQ(nested.GetChildDisplayHandle(&nested), 0);
    nested.DisposeChildDisplayHandle(&nested);
    EXPECT_EQ(control.GetItemCount(), 0);
    CObjectControlDisplay orphan(nullptr);
    EXPECT_EQ(orphan.CreateChildDisplayHandle(&orphan, &job, 0), -1);
    std::unique_ptr<CObjectDisplay> child(orphan.CreateChildDisplay(&job));
    EXPECT_NE(dynamic_cast<CObjectControlDisplay*>(child.get()), nullptr);
}
