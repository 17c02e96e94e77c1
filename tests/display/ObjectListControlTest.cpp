#include "JobControl.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#undef GetObject

using UserInput::ClickCell;
using UserInput::ClickCheckBox;
using UserInput::PressKey;
using UserInput::Type;

namespace {

using CJobList = CJobControl<CObjectListControl>;

class ObjectListControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, CRect(0, 0, 400, 300), &host, 10));
        control.SetExtendedStyle(LVS_EX_CHECKBOXES);
        control.AddListener(&recorder);
        jobs = MakeJobs({ { "intro", "10" }, { "talk", "250" }, { "outro", "5" } });
    }

    void Bind() { control.SetObject(jobs.get()); }

    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (int row = 0; row < control.GetItemCount(); ++row)
            names.push_back(static_cast<LPCSTR>(control.GetItemText(row, 0)));
        return names;
    }

    CObjectDisplay* DisplayOf(int index) { return control.FindChildDisplay(jobs->GetAt(index)); }

    std::vector<int> SelectedRows()
    {
        std::vector<int> rows;
        for (int row = control.GetNextItem(-1, LVNI_SELECTED); row != -1; row = control.GetNextItem(row, LVNI_SELECTED))
            rows.push_back(row);
        return rows;
    }

    CHostWnd host;
    CJobList control;
    CSelectionRecorder recorder;
    std::unique_ptr<CPersistList> jobs;
};

} // namespace

TEST_F(ObjectListControlTest, RowsFollowTheListAndCarryTheirDisplays)
{
    EXPECT_TRUE(control.GetExStyle() & WS_EX_CLIENTEDGE) << "a border becomes a client edge";
    EXPECT_TRUE(control.GetStyle() & LVS_SHOWSELALWAYS);
    ASSERT_NE(control.GetImageList(LVSIL_SMALL), nullptr);
    EXPECT_EQ(control.GetImageList(LVSIL_SMALL)->GetImageCount(), 4);

    control.jobs.acceptChecks = true;
    JobAt(*jobs, 1)->checked = true;
    JobAt(*jobs, 2)->state = "Done";
    Bind();
    ASSERT_EQ(control.GetHeaderCtrl()->GetItemCount(), 3);
    EXPECT_EQ(Names(), (std::vector<std::string>{ "intro", "talk", "outro" }));
    EXPECT_EQ(control.GetItemText(1, 1), "250");
    EXPECT_EQ(control.GetItemText(0, 2), "Waiting");
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(control.GetListDisplay(row), DisplayOf(row));
        EXPECT_EQ(control.GetListIndex(DisplayOf(row)), row);
        EXPECT_EQ(control.FindDisplayFromHandle(row), DisplayOf(row));
    }
    EXPECT_EQ(control.GetListIndex(nullptr), -1);
    EXPECT_TRUE(control.IsItemChecked(1));
    EXPECT_FALSE(control.IsItemChecked(0));
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = 2;
    ASSERT_TRUE(control.GetItem(&item));
    EXPECT_EQ(item.iImage, 1);

    jobs->Insert(1, new CTestJob("break", "1"));
    EXPECT_EQ(Names(), (std::vector<std::string>{ "intro", "break", "talk", "outro" }));
    jobs->DeleteAt(0);
    EXPECT_EQ(Names(), (std::vector<std::string>{ "break", "talk", "outro" }));
    EXPECT_EQ(control.GetListIndex(DisplayOf(2)), 2);

    control.Refresh();
    EXPECT_EQ(control.GetHeaderCtrl()->GetItemCount(), 3) << "the columns are made anew, not added";
    EXPECT_EQ(Names(), (std::vector<std::string>{ "break", "talk", "outro" }));
}

TEST_F(ObjectListControlTest, AChangedObjectRewritesOnlyItsRow)
{
    control.jobs.acceptChecks = true;
    Bind();
    control.jobs.textsAskedFor.clear();
    CTestJob* talk = JobAt(*jobs, 1);
    talk->size = "300";
    talk->checked = true;
    talk->Change();
    EXPECT_EQ(control.jobs.textsAskedFor, (std::vector<std::string>{ "talk", "talk", "talk" }));
    EXPECT_EQ(control.GetItemText(1, 1), "300");
    EXPECT_TRUE(control.IsItemChecked(1));

    control.jobs.textsAskedFor.clear();
    control.DisplayChanged(&control);
    EXPECT_EQ(control.jobs.textsAskedFor.size(), 9u) << "a change of the whole control rewrites every row";

    control.jobs.textsAskedFor.clear();
    talk->Notify('size', 0, 0);
    EXPECT_TRUE(control.jobs.textsAskedFor.empty()) << "only a change as a whole rewrites";
}

TEST_F(ObjectListControlTest, UserSelectionIsBroadcastOncePerChangedRow)
{
    Bind();
    ClickCell(control, 1, 0);
    ASSERT_EQ(recorder.selections.size(), 1u);
    EXPECT_EQ(recorder.selections[0], std::make_pair(static_cast<const void*>(DisplayOf(1)), true));
    EXPECT_TRUE(DisplayOf(1)->IsSelected());
    EXPECT_EQ(control.GetSelection(), DisplayOf(1));

    recorder.selections.clear();
    ClickCell(control, 2, 0);
    EXPECT_EQ(recorder.selections.size(), 2u) << "one row lost the selection, one gained it";
    EXPECT_FALSE(DisplayOf(1)->IsSelected());
    EXPECT_TRUE(DisplayOf(2)->IsSelected());

    recorder.selections.clear();
    UserInput::PressKeyWith(VK_SHIFT, VK_UP);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{ 1, 2 }));
    EXPECT_EQ(recorder.selections, (std::vector<std::pair<const void*, bool>>{ { DisplayOf(1), true } }))
        << "the row that stayed selected is not announced again";

    recorder.selections.clear();
    DisplayOf(0)->Select(true);
    EXPECT_EQ(recorder.selections.size(), 1u) << "a display selected by the program is announced once";
    EXPECT_TRUE(control.GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED) == (LVIS_SELECTED | LVIS_FOCUSED));
    DisplayOf(0)->Select(false);
    EXPECT_EQ(control.GetItemState(0, LVIS_SELECTED), 0u);
}

TEST_F(ObjectListControlTest, CheckBoxClicksAskTheObject)
{
    Bind();
    ClickCheckBox(control, 0);
    EXPECT_FALSE(control.IsItemChecked(0)) << "the default refuses";
    EXPECT_FALSE(JobAt(*jobs, 0)->checked);

    control.jobs.acceptChecks = true;
    control.jobs.checkRequests.clear();
    ClickCheckBox(control, 0);
    EXPECT_TRUE(control.IsItemChecked(0));
    EXPECT_TRUE(JobAt(*jobs, 0)->checked);
    EXPECT_EQ(control.jobs.checkRequests,
              (std::vector<std::pair<std::string, bool>>{ { "intro", true }, { "intro", true } }))
        << "asked while changing and after the change";

    control.CheckItem(2, true);
    EXPECT_TRUE(control.IsItemChecked(2));
    control.CheckItem(-1, true);
    EXPECT_FALSE(control.IsItemChecked(1)) << "row -1 is no row, not every row";
}

TEST_F(ObjectListControlTest, RemoveSelectsTheObjectAfterTheLastRemoved)
{
    jobs = MakeJobs({ { "a" }, { "b" }, { "c" }, { "d" }, { "e" }, { "f" } });
    Bind();
    const int destroyedBefore = CTestJob::sDestroyed;
    DisplayOf(2)->Select(true);
    DisplayOf(4)->Select(true);
    control.Remove();
    EXPECT_EQ(Names(), (std::vector<std::string>{ "a", "b", "d", "f" }));
    EXPECT_EQ(CTestJob::sDestroyed, destroyedBefore + 2);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{ 3 })) << "f followed the last removed row";
    EXPECT_EQ(control.GetSelection(), DisplayOf(3));

    control.Remove();
    EXPECT_EQ(Names(), (std::vector<std::string>{ "a", "b", "d" }));
    EXPECT_EQ(SelectedRows(), (std::vector<int>{ 2 })) << "without a follower the new last row";

    control.SelectAll(true);
    control.Remove();
    EXPECT_EQ(control.GetItemCount(), 0);
    EXPECT_EQ(control.GetSelectionCount(), 0);

    auto kept = MakeJobs({ { "x" }, { "y" } });
    auto borrowed = MakeJobs({}, false);
    borrowed->Add(kept->GetAt(0));
    borrowed->Add(kept->GetAt(1));
    control.SetObject(borrowed.get());
    const int destroyedNow = CTestJob::sDestroyed;
    control.FindChildDisplay(kept->GetAt(0))->Select(true);
    control.Remove();
    EXPECT_EQ(borrowed->GetItemCount(), 1);
    EXPECT_EQ(CTestJob::sDestroyed, destroyedNow) << "a list that does not own its objects only lets them go";
    control.Clear();
    EXPECT_EQ(borrowed->GetItemCount(), 0);
    EXPECT_EQ(kept->GetItemCount(), 2);
    control.SetObject(nullptr);
}

TEST_F(ObjectListControlTest, ClearDeletesEveryObject)
{
    Bind();
    DisplayOf(1)->Select(true);
    recorder.selections.clear();
    control.Clear();
    EXPECT_EQ(jobs->GetItemCount(), 0);
    EXPECT_EQ(control.GetItemCount(), 0);
    EXPECT_EQ(recorder.selections.size(), 1u) << "the selected row was deselected first";
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
    Bind();
    TOOLINFOA tool = {};
    const CPoint inFirstCell = UserInput::CellPoint(control, 0, 0);
    EXPECT_EQ(control.OnToolHitTest(inFirstCell, &tool), 0x00010001);
    EXPECT_EQ(tool.hwnd, control.m_hWnd);
    EXPECT_EQ(tool.lpszText, LPSTR_TEXTCALLBACK);

    CRect column1;
    control.GetHeaderCtrl()->GetItemRect(1, &column1);
    CPoint inSecondColumn(column1.left + 5, inFirstCell.y);
    CRect cell;
    int row = -1, column = -1;
    ASSERT_TRUE(control.GetCellRect(inSecondColumn, cell, row, column));
    EXPECT_EQ(row, 0);
    EXPECT_EQ(column, 1);
    EXPECT_EQ(cell.left, column1.left);
    EXPECT_EQ(cell.right, column1.right);
    CPoint onSharedEdge(column1.left, UserInput::CellPoint(control, 2, 0).y);
    ASSERT_TRUE(control.GetCellRect(onSharedEdge, cell, row, column));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(column, 0) << "a shared edge belongs to the left column";
    CPoint belowRows(20, 280);
    EXPECT_FALSE(control.GetCellRect(belowRows, cell, row, column));
    EXPECT_EQ(control.OnToolHitTest(belowRows, &tool), -1);

    control.EnableToolTips(TRUE);
    UserInput::Click(control.m_hWnd, CPoint(column1.left + 5, UserInput::CellPoint(control, 1, 0).y), WM_MOUSEMOVE);
    CToolTipCtrl tip;
    HWND tipWindow = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM found) -> BOOL {
        char name[32] = {};
        ::GetClassNameA(hWnd, name, sizeof name);
        if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 && ::SendMessageA(hWnd, TTM_GETTOOLCOUNT, 0, 0) > 0)
            *reinterpret_cast<HWND*>(found) = hWnd;
        return TRUE;
    }, reinterpret_cast<LPARAM>(&tipWindow));
    ASSERT_NE(tipWindow, nullptr);
    CString text;
    static_cast<CToolTipCtrl*>(CWnd::FromHandle(tipWindow))->GetText(text, &control, 0x00020002);
    EXPECT_EQ(text, "tip talk 1");

    NMTTDISPINFOA request = {};
    request.hdr.hwndFrom = tipWindow;
    request.hdr.code = TTN_NEEDTEXTA;
    request.hdr.idFrom = 0;
    control.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(request.lpszText, nullptr) << "id 0 names no cell";
    request.hdr.idFrom = 0x00090001;
    control.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(request.lpszText, nullptr) << "no row 8";

    NMTTDISPINFOW wide = {};
    wide.hdr.hwndFrom = tipWindow;
    wide.hdr.code = TTN_NEEDTEXTW;
    wide.hdr.idFrom = 0x00030001;
    control.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
    ASSERT_NE(wide.lpszText, nullptr);
    EXPECT_STREQ(wide.lpszText, L"tip outro 0");
}

TEST_F(ObjectListControlTest, EditedLabelsGoToTheirDisplays)
{
    control.ModifyStyle(0, LVS_EDITLABELS);
    Bind();
    control.SetFocus();
    ASSERT_NE(control.EditLabel(1), nullptr);
    Type("keynote");
    PressKey(VK_RETURN);
    EXPECT_EQ(recorder.editedTexts, (std::vector<std::string>{ "keynote" }));

    ASSERT_NE(control.EditLabel(0), nullptr);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(recorder.editedTexts.size(), 1u) << "a cancelled edit names nothing";
}

TEST_F(ObjectListControlTest, ClosingUnbindsTheListAndKeepsItsObjects)
{
    Bind();
    DisplayOf(1)->Select(true);
    recorder.selections.clear();
    control.SendMessage(WM_CLOSE);
    EXPECT_EQ(control.GetObject(), nullptr);
    EXPECT_TRUE(control.IsClosing());
    EXPECT_EQ(recorder.selections.size(), 1u) << "the selection was let go";
    EXPECT_EQ(jobs->GetItemCount(), 3);
}

namespace {

using CFastJobList = CJobControl<CFastObjectListControl>;

} // namespace

TEST(FastObjectListControl, RowsComeFromTheDisplaysOnDemand)
{
    CHostWnd host;
    CFastJobList control;
    ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &host, 11));
    EXPECT_TRUE(control.GetStyle() & LVS_OWNERDATA);
    auto jobs = MakeJobs({ { "intro", "10" }, { "talk", "250" } });
    control.SetObject(jobs.get());
    EXPECT_EQ(control.GetItemCount(), 2);
    EXPECT_EQ(control.GetItemText(1, 1), "250");
    EXPECT_EQ(control.GetItemText(5, 0), "");
    EXPECT_EQ(control.FindDisplayFromHandle(1), control.FindChildDisplay(jobs->GetAt(1)));
    EXPECT_EQ(control.GetChildDisplayHandle(control.FindChildDisplay(jobs->GetAt(1))), 1);
    EXPECT_EQ(control.FindDisplayFromHandle(2), nullptr);

    jobs->Add(new CTestJob("outro", "5"));
    EXPECT_EQ(control.GetItemCount(), 3);
    EXPECT_EQ(control.GetItemText(2, 0), "outro");
    JobAt(*jobs, 0)->size = "11";
    JobAt(*jobs, 0)->Change();
    EXPECT_EQ(control.GetItemText(0, 1), "11");
    jobs->DeleteAt(0);
    EXPECT_EQ(control.GetItemCount(), 2);

    ClickCell(control, 1, 0);
    EXPECT_EQ(control.GetSelection(), control.FindChildDisplay(jobs->GetAt(1)));
    control.SetObject(nullptr);
    EXPECT_EQ(control.GetItemCount(), 0);
}

namespace {

class CDrawnJobList : public CJobControl<CDrawObjectListControl> {
public:
    std::vector<std::string> drawn;
    void CreateListHeaders() override { InsertColumn(0, "Job", LVCFMT_LEFT, 50); }
    void DrawObject(CDC& dc, CRect& rect, CObjectDisplay* display) override
    {
        ASSERT_NE(dc.GetSafeHdc(), nullptr);
        ASSERT_GT(rect.Height(), 0);
        drawn.push_back(static_cast<CTestJob*>(display->GetObject())->name);
    }
};

} // namespace

TEST(DrawObjectListControl, RowsAreDrawnByTheControlAcrossItsWidth)
{
    CHostWnd host;
    CDrawnJobList control;
    ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER,
                               CRect(0, 0, 300, 200), &host, 12));
    auto jobs = MakeJobs({ { "intro" }, { "talk" } });
    control.SetObject(jobs.get());
    control.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_EQ(control.drawn, (std::vector<std::string>{ "intro", "talk" }));

    control.MoveWindow(0, 0, 250, 200);
    CRect client;
    control.GetClientRect(&client);
    EXPECT_EQ(control.GetColumnWidth(0), client.Width() - 4);
    control.SetObject(nullptr);
}

TEST(ObjectControlDisplay, NestedDisplaysAskTheirParentForItems)
{
    CHostWnd host;
    CJobList control;
    ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &host, 13));
    control.Refresh();
    CObjectControlDisplay nested(&control);
    CTestJob job("nested", "1");
    EXPECT_EQ(nested.CreateChildDisplayHandle(&nested, &job, 0), 0) << "the row comes from the control";
    EXPECT_EQ(control.GetItemText(0, 0), "nested");
    EXPECT_EQ(nested.GetChildDisplayHandle(&nested), 0);
    nested.DisposeChildDisplayHandle(&nested);
    EXPECT_EQ(control.GetItemCount(), 0);

    CObjectControlDisplay orphan(nullptr);
    EXPECT_EQ(orphan.CreateChildDisplayHandle(&orphan, &job, 0), -1);
    EXPECT_EQ(orphan.GetChildDisplayHandle(&orphan), -1);
    CObjectDisplay* child = orphan.CreateChildDisplay(&job);
    EXPECT_NE(dynamic_cast<CObjectControlDisplay*>(child), nullptr);
    delete child;
    EXPECT_EQ(orphan.CreateChildDisplay(nullptr), nullptr);
}
