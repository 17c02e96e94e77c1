#include "MemoryCanvas.h"
#include "DisplayTests.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#undef GetObject

using namespace UserInput;

namespace {

// A control of jobs on a host of its own, with a recorder listening to it.
template <class TControl>
class JobControlTest : public ::testing::Test {
protected:
    CObjectDisplay* DisplayOf(int index) { return control.FindChildDisplay(jobs->GetAt(index)); }

    CHostWnd host;
    CJobControl<TControl> control;
    CSelectionRecorder recorder;
    std::unique_ptr<CPersistList> jobs;
};

class ObjectListControlTest : public JobControlTest<CObjectListControl> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, CRect(0, 0, 400, 300), &host, 10));
        control.SetExtendedStyle(LVS_EX_CHECKBOXES);
        control.AddListener(&recorder);
        jobs = MakeJobs({ { "intro", "10" }, { "talk", "250" }, { "outro", "5" } });
    }
};

class ObjectReportControlTest : public JobControlTest<CObjectReportControl> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(control.Create(&host, 20, CRect(0, 0, 500, 300)));
        control.SetCheckboxeStyle(CReportCtrl::kCheckboxNormal);
        control.AddListener(&recorder);
        jobs = MakeJobs({ { "intro", "10" }, { "talk", "250" }, { "outro", "5" }, { "break", "1.5" } });
        JobAt(*jobs, 1)->checked = true;
        control.SetObject(jobs.get());
    }
};

} // namespace

TEST_F(ObjectListControlTest, RowsFollowTheListAndItsObjectsAndToolTipsNameTheirCells)
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
    LVITEMA item = { LVIF_IMAGE, 2 };
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

    // Tool tips name the cell under the mouse.
    TOOLINFOA tool = {};
    EXPECT_EQ(control.OnToolHitTest(CellPoint(control, 0, 0), &tool), 0x00010001);
    EXPECT_EQ(control.OnToolHitTest(CPoint(20, 280), &tool), -1) << "below the rows";
    CRect column1, cell;
    control.GetHeaderCtrl()->GetItemRect(1, &column1);
    int row = -1, column = -1;
    CPoint inSecondColumn(column1.left + 5, CellPoint(control, 0, 0).y);
    ASSERT_TRUE(control.GetCellRect(inSecondColumn, cell, row, column));
    EXPECT_EQ(column, 1);
    EXPECT_EQ(cell.right, column1.right);
    CPoint onSharedEdge(column1.left, CellPoint(control, 2, 0).y);
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
    NMTTDISPINFOW wide = { { control.m_hWnd, 0x00030001, TTN_NEEDTEXTW } };
    control.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
    EXPECT_STREQ(wide.lpszText, L"tip outro 0");
}

TEST_F(ObjectListControlTest, TheUsersSelectionChecksAndEditsReachTheDisplaysAndObjects)
{
    control.SetObject(jobs.get());
    ClickCell(control, 1, 0);
    EXPECT_EQ(recorder.selections, (std::vector<std::pair<const void*, bool>>{ { DisplayOf(1), true } }));
    recorder.selections.clear();
    ClickCell(control, 2, 0);
    EXPECT_EQ(recorder.selections.size(), 2u) << "one row lost the selection, one gained it";
    recorder.selections.clear();
    PressKey(VK_UP, VK_SHIFT);
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

    // Edited labels go to their displays, and closing keeps the objects.
    control.ModifyStyle(0, LVS_EDITLABELS);
    control.SetFocus();
    ASSERT_NE(control.EditLabel(1), nullptr);
    Type("keynote");
    PressKey(VK_RETURN);
    ASSERT_NE(control.EditLabel(0), nullptr);
    PressKey(VK_ESCAPE);
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

// Selection by code, and Remove with its follower, in the list and in its owner-data kind,
// whose rows keep no item data.
template <class TControl>
void SelectionByCodeReachesTheRows()
{
    CHostWnd host;
    CJobControl<TControl> control;
    ASSERT_TRUE(control.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), &host, 11));
    auto jobs = MakeJobs({ { "a", "1" }, { "b" }, { "c" }, { "d" }, { "e" }, { "f" } });
    control.SetObject(jobs.get());
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

TEST_F(ObjectListControlTest, ClearDeselectsThenDeletesEveryObjectAndThePromptShowsWhileTheListIsEmpty)
{
    control.SetBkColor(RGB(0, 0, 128));
    control.SetPromptText("Add files to convert");
    CWnd* prompt = control.GetDlgItem(0xFFFF);
    ASSERT_NE(prompt, nullptr) << "made with the list";
    EXPECT_FALSE(prompt->IsWindowVisible()) << "no list bound: no prompt";
    EXPECT_EQ(prompt->GetFontHandle(), static_cast<HFONT>(UDrawingUtils::GetFont()->GetSafeHandle()));

    control.SetObject(jobs.get());
    EXPECT_FALSE(prompt->IsWindowVisible());
    DisplayOf(1)->Select(true);
    recorder.selections.clear();
    control.Clear();
    EXPECT_EQ(jobs->GetItemCount(), 0);
    EXPECT_EQ(control.GetItemCount(), 0);
    ASSERT_EQ(recorder.selections.size(), 1u);
    EXPECT_FALSE(recorder.selections[0].second) << "the selected row was deselected first";
    EXPECT_TRUE(prompt->IsWindowVisible());
    CString text;
    prompt->GetWindowText(text);
    EXPECT_EQ(text, "Add files to convert");

    // The prompt covers the list less its margins, on white whatever the list's colour.
    control.MoveWindow(10, 10, 300, 200);
    CRect client, area;
    control.GetClientRect(&client);
    client.DeflateRect(32, 32);
    prompt->GetWindowRect(&area);
    control.ScreenToClient(&area);
    EXPECT_EQ(area, client) << "the prompt follows the list's size";
    prompt->GetClientRect(&area);
    CMemoryCanvas printed(area.Width(), area.Height(), RGB(0, 0, 0));
    prompt->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.DC().GetSafeHdc()), PRF_CLIENT | PRF_ERASEBKGND);
    // The text starts at the top left in whatever font the machine has: the bottom corners
    // are background whatever it draws.
    EXPECT_EQ(printed.Pixel(1, area.bottom - 2), RGB(255, 255, 255));
    EXPECT_EQ(printed.Pixel(area.right - 2, area.bottom - 2), RGB(255, 255, 255));

    jobs->Add(new CTestJob("first", "1"));
    EXPECT_FALSE(prompt->IsWindowVisible());
    jobs->DeleteAt(0);
    EXPECT_TRUE(prompt->IsWindowVisible());
    const HWND window = prompt->m_hWnd;
    control.DestroyWindow();
    EXPECT_FALSE(::IsWindow(window));
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

// Nested displays ask their parent for items: the tree's three levels show it.
TEST(ObjectControlDisplay, WithoutAParentItHasNoItemsToGive)
{
    CObjectControlDisplay orphan(nullptr);
    CTestJob job("nested", "1");
    EXPECT_EQ(orphan.CreateChildDisplayHandle(&orphan, &job, 0), -1);
    std::unique_ptr<CObjectDisplay> child(orphan.CreateChildDisplay(&job));
    EXPECT_NE(dynamic_cast<CObjectControlDisplay*>(child.get()), nullptr);
}

TEST_F(ObjectReportControlTest, ObjectsRewriteTheirOwnRowsWhereverTheReportMovedThem)
{
    EXPECT_EQ(control.GetItemData(3), reinterpret_cast<DWORD_PTR>(DisplayOf(3)));
    ASSERT_NE(control.GetImageList(), nullptr);
    EXPECT_EQ(control.GetImageList()->GetImageCount(), 4);

    ClickHeader(control, 1);
    EXPECT_EQ(ColumnTexts(control, 0), (std::vector<std::string>{ "break", "outro", "intro", "talk" }));
    EXPECT_TRUE(control.checkRequests.empty()) << "moving rows asks no object";
    EXPECT_TRUE(recorder.selections.empty());
    control.SwapItems(0, 2);
    control.MoveTo(3, 1);
    EXPECT_EQ(ColumnTexts(control, 0), (std::vector<std::string>{ "intro", "talk", "outro", "break" }));
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(control.GetListIndex(control.GetListDisplay(row)), row);

    control.textsAskedFor.clear();
    CTestJob* outro = JobAt(*jobs, 2);
    outro->state = "Done";
    outro->Change();
    EXPECT_EQ(control.textsAskedFor, (std::vector<std::string>{ "outro", "outro", "outro" }));
    EXPECT_EQ(ColumnTexts(control, 2), (std::vector<std::string>{ "Waiting", "Waiting", "Done", "Waiting" }));

    ASSERT_TRUE(control.SortItems(0, TRUE));
    jobs->Insert(0, new CTestJob("opening", "2"));
    jobs->DeleteAt(3);
    EXPECT_EQ(ColumnTexts(control, 0), (std::vector<std::string>{ "opening", "break", "intro", "talk" }));
    control.SetObject(nullptr);
    EXPECT_EQ(control.GetItemCount(), 0);
}

TEST_F(ObjectReportControlTest, CheckBoxStylesStillRule)
{
    control.acceptChecks = true;
    ClickCheckBox(control, 2);
    EXPECT_TRUE(JobAt(*jobs, 2)->checked);
    control.acceptChecks = false;
    ClickCheckBox(control, 0);
    EXPECT_FALSE(control.IsItemChecked(0)) << "a refused check goes back";

    control.SetCheckboxeStyle(CReportCtrl::kCheckboxReadOnly);
    for (bool accept : { false, true }) {
        control.acceptChecks = accept;
        ClickCheckBox(control, 2);
        EXPECT_TRUE(control.IsItemChecked(2)) << "read-only, whatever the object answered";
        ClickCheckBox(control, 3);
        EXPECT_FALSE(control.IsItemChecked(3));
    }
    EXPECT_FALSE(JobAt(*jobs, 3)->checked) << "the object was told the former state last";

    TOOLINFOA tool = {};
    EXPECT_EQ(control.OnToolHitTest(CellPoint(control, 1, 1), &tool), 0x00020002)
        << "full-row selection still tells the columns apart";
}

namespace {

class CHeadersOnlyReport : public CObjectReportControl {
public:
    void CreateListHeaders() override { SetColumnHeader("One;Two"); }
};

class CHeadersOnlyList : public CObjectListControl {
public:
    void CreateListHeaders() override { InsertColumn(0, "One"); }
};

} // namespace

TEST(ObjectReportControl, WithoutTextsAReportSaysErrorAndAListNothing)
{
    CHostWnd host;
    CHeadersOnlyReport report;
    CHeadersOnlyList list;
    ASSERT_TRUE(report.Create(&host, 21));
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 100, 100), &host, 22));
    auto jobs = MakeJobs({ { "a" } });
    report.SetObject(jobs.get());
    list.SetObject(jobs.get());
    EXPECT_EQ(report.GetItemText(0, 1), "Error");
    EXPECT_EQ(list.GetItemText(0, 0), "");
    EXPECT_EQ(report.GetImageList(), nullptr) << "no images by default";
    report.SetObject(nullptr);
    list.SetObject(nullptr);
}

namespace {

class CJobCombo : public CObjectComboBox {
public:
    CString GetObjectText(CPersistObject* object, bool) override { return static_cast<CTestJob*>(object)->name.c_str(); }
};

class ObjectComboBoxTest : public ::testing::Test {
protected:
    void Create(DWORD sort)
    {
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | sort, CRect(0, 0, 200, 200), &host, 13));
        combo.AddListener(&recorder);
        jobs = MakeJobs({ { "talk" }, { "intro" }, { "outro" } });
        combo.SetObject(jobs.get());
    }
    // The user picks an entry: the combo box changes its selection and tells its parent.
    void Pick(int entry)
    {
        combo.SetCurSel(entry);
        host.SendMessage(WM_COMMAND, MAKEWPARAM(13, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.m_hWnd));
    }
    CObjectDisplay* DisplayOf(int index) { return combo.FindChildDisplay(jobs->GetAt(index)); }
    std::pair<const void*, bool> Heard(int index, bool selected) { return { DisplayOf(index), selected }; }

    CHostWnd host;
    CJobCombo combo;
    CSelectionRecorder recorder;
    std::unique_ptr<CPersistList> jobs;
};

} // namespace

TEST_F(ObjectComboBoxTest, PickingAnEntrySelectsItsDisplayAndTellsOfBothChanges)
{
    Create(0);
    ASSERT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetListDisplay(2), DisplayOf(2));

    Pick(0);
    EXPECT_EQ(recorder.selections, (std::vector<std::pair<const void*, bool>>{ Heard(0, true) }));
    Pick(2);
    EXPECT_EQ(recorder.selections,
              (std::vector<std::pair<const void*, bool>>{ Heard(0, true), Heard(0, false), Heard(2, true) }));
    EXPECT_EQ(combo.GetSelection(), DisplayOf(2));

    DisplayOf(2)->Select(false);
    EXPECT_EQ(combo.GetCurSel(), 2) << "a deselected display's entry stays the current one";
    DisplayOf(1)->Select(true);
    EXPECT_EQ(combo.GetCurSel(), 1);

    jobs->DeleteAt(0);
    ASSERT_EQ(combo.GetCount(), 2);
    EXPECT_EQ(combo.GetListIndex(DisplayOf(1)), 1) << "handles follow the entries";
    EXPECT_EQ(combo.FindDisplayFromHandle(1), DisplayOf(1));
}

TEST_F(ObjectComboBoxTest, SortedEntriesAndMissingEntriesAreFoundSafely)
{
    Create(CBS_SORT);
    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text, "intro");
    EXPECT_EQ(combo.GetListIndex(DisplayOf(0)), 2) << "talk sorts last";
    EXPECT_EQ(combo.GetChildDisplayHandle(DisplayOf(0)), 2);
    Pick(2);
    EXPECT_EQ(combo.GetSelection(), DisplayOf(0));

    // Nothing without an entry is ever taken for entry 0, or an error value for a display.
    EXPECT_EQ(combo.CreateChildDisplayHandle(nullptr, jobs->GetAt(0), 0), -1);
    EXPECT_EQ(combo.GetChildDisplayHandle(nullptr), -1);
    EXPECT_EQ(combo.GetListDisplay(-1), nullptr);
    EXPECT_EQ(combo.GetListDisplay(3), nullptr);
    EXPECT_EQ(combo.FindDisplayFromHandle(-1), nullptr);
    combo.SetCurSel(-1);
    recorder.selections.clear();
    host.SendMessage(WM_COMMAND, MAKEWPARAM(13, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.m_hWnd));
    EXPECT_EQ(recorder.selections, (std::vector<std::pair<const void*, bool>>{ Heard(0, false) }));

    combo.DestroyWindow();
    EXPECT_EQ(combo.GetObjectA(), nullptr) << "the window's end unbinds the list";
}
