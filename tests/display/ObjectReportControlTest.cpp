#include "JobControl.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#undef GetObject

using UserInput::ClickCell;
using UserInput::ClickCheckBox;
using UserInput::ClickHeader;

namespace {

using CJobReport = CJobControl<CObjectReportControl>;

class ObjectReportControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(control.Create(&host, 20, CRect(0, 0, 500, 300)));
        control.SetCheckboxeStyle(CReportCtrl::kCheckboxNormal);
        control.AddListener(&recorder);
        jobs = MakeJobs({ { "intro", "10" }, { "talk", "250" }, { "outro", "5" }, { "break", "1.5" } });
        control.jobs.acceptChecks = true;
        control.SetObject(jobs.get());
    }

    std::vector<std::string> Column(int column)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < control.GetItemCount(); ++row)
            texts.push_back(static_cast<LPCSTR>(control.GetItemText(row, column)));
        return texts;
    }

    CObjectDisplay* DisplayOf(int index) { return control.FindChildDisplay(jobs->GetAt(index)); }

    CHostWnd host;
    CJobReport control;
    CSelectionRecorder recorder;
    std::unique_ptr<CPersistList> jobs;
};

} // namespace

TEST_F(ObjectReportControlTest, RowsCarryTheirDisplaysAsItemData)
{
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "intro", "talk", "outro", "break" }));
    EXPECT_EQ(control.GetColumnCount(), 3);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(control.GetItemData(row), reinterpret_cast<DWORD_PTR>(DisplayOf(row)));
        EXPECT_EQ(control.GetListIndex(DisplayOf(row)), row);
    }
    EXPECT_EQ(control.GetItemTextColor(1, 2), ::GetSysColor(COLOR_WINDOWTEXT));
    ASSERT_NE(control.GetImageList(), nullptr);
    EXPECT_EQ(control.GetImageList()->GetImageCount(), 4);

    jobs->Insert(0, new CTestJob("opening", "2"));
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "opening", "intro", "talk", "outro", "break" }));
    jobs->DeleteAt(2);
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "opening", "intro", "outro", "break" }));

    control.SetObject(nullptr);
    EXPECT_EQ(control.GetItemCount(), 0);
}

TEST_F(ObjectReportControlTest, AnObjectSortedElsewhereStillRewritesItsOwnRow)
{
    ClickHeader(control, 1);
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "break", "outro", "intro", "talk" }));
    EXPECT_EQ(control.GetSortedColumn(), 1);
    EXPECT_TRUE(recorder.selections.empty());

    control.jobs.textsAskedFor.clear();
    CTestJob* intro = JobAt(*jobs, 0);
    intro->state = "Done";
    intro->Change();
    EXPECT_EQ(control.jobs.textsAskedFor, (std::vector<std::string>{ "intro", "intro", "intro" }));
    EXPECT_EQ(Column(2), (std::vector<std::string>{ "Waiting", "Waiting", "Done", "Waiting" }));
    EXPECT_EQ(control.GetSortedColumn(), -1) << "a rewritten row forgets the sort";

    control.DisplayChanged(&control);
    EXPECT_EQ(control.jobs.textsAskedFor.size(), 15u) << "a change of the whole control rewrites every row";
}

TEST_F(ObjectReportControlTest, SelectingRowsBroadcastsOncePerChangedRow)
{
    ClickCell(control, 0, 1);
    ASSERT_EQ(recorder.selections.size(), 1u);
    EXPECT_EQ(recorder.selections[0], std::make_pair(static_cast<const void*>(DisplayOf(0)), true));
    recorder.selections.clear();
    UserInput::PressKeyWith(VK_SHIFT, VK_DOWN);
    EXPECT_EQ(recorder.selections, (std::vector<std::pair<const void*, bool>>{ { DisplayOf(1), true } }));
    EXPECT_EQ(control.GetSelectionCount(), 2);

    recorder.selections.clear();
    ClickCell(control, 3, 2);
    EXPECT_EQ(recorder.selections.size(), 3u) << "two rows lost the selection, one gained it";
    EXPECT_EQ(control.GetSelection(), DisplayOf(3));

    recorder.selections.clear();
    DisplayOf(2)->Select(true);
    EXPECT_EQ(recorder.selections.size(), 1u) << "a display selected by the program is announced once";
    EXPECT_TRUE(control.ExamItemStates(2, CReportCtrl::kItemSelected | CReportCtrl::kItemFocused));
}

TEST_F(ObjectReportControlTest, SortingMovesCheckMarksWithoutAskingTheObjects)
{
    control.jobs.acceptChecks = false;
    control.SetObject(nullptr);
    JobAt(*jobs, 1)->checked = true;
    control.jobs.acceptChecks = true;
    control.SetObject(jobs.get());
    control.jobs.acceptChecks = false;
    ASSERT_TRUE(control.IsItemChecked(1));
    control.jobs.checkRequests.clear();

    ASSERT_TRUE(control.SortItems(1, FALSE));
    EXPECT_EQ(Column(0), (std::vector<std::string>{ "talk", "intro", "outro", "break" }));
    EXPECT_TRUE(control.IsItemChecked(0)) << "the check mark stays with its job";
    EXPECT_FALSE(control.IsItemChecked(1));
    EXPECT_TRUE(control.jobs.checkRequests.empty());
    EXPECT_TRUE(recorder.selections.empty());
}

TEST_F(ObjectReportControlTest, CheckBoxStylesStillRule)
{
    ClickCheckBox(control, 2);
    EXPECT_TRUE(JobAt(*jobs, 2)->checked);
    EXPECT_TRUE(control.IsItemChecked(2));
    EXPECT_EQ(host.notices.back().message, static_cast<UINT>(CReportCtrl::kCheckChangedMessage));

    control.jobs.acceptChecks = false;
    ClickCheckBox(control, 1);
    EXPECT_FALSE(control.IsItemChecked(1)) << "a refused check goes back";

    control.SetCheckboxeStyle(CReportCtrl::kCheckboxReadOnly);
    for (bool accept : { false, true }) {
        control.jobs.acceptChecks = accept;
        ClickCheckBox(control, 2);
        EXPECT_TRUE(control.IsItemChecked(2)) << "read-only, whatever the object answered";
        ClickCheckBox(control, 3);
        EXPECT_FALSE(control.IsItemChecked(3));
    }
    EXPECT_TRUE(JobAt(*jobs, 2)->checked);
    EXPECT_FALSE(JobAt(*jobs, 3)->checked) << "the object was told the former state last";
}

TEST_F(ObjectReportControlTest, ToolTipsNameTheCellInEveryColumn)
{
    TOOLINFOA tool = {};
    CPoint inSize = UserInput::CellPoint(control, 1, 1);
    EXPECT_EQ(control.OnToolHitTest(inSize, &tool), 0x00020002) << "full-row selection still tells the columns apart";
    NMTTDISPINFOA request = {};
    request.hdr.hwndFrom = control.m_hWnd;
    request.hdr.code = TTN_NEEDTEXTA;
    request.hdr.idFrom = 0x00020003;
    control.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    ASSERT_NE(request.lpszText, nullptr);
    EXPECT_STREQ(request.lpszText, "tip talk 2");
}

namespace {

class CHeadersOnlyReport : public CObjectReportControl {
public:
    void CreateListHeaders() override { SetColumnHeader("One;Two"); }
};

} // namespace

TEST(ObjectReportControl, WithoutTextsEveryCellSaysError)
{
    CHostWnd host;
    CHeadersOnlyReport control;
    ASSERT_TRUE(control.Create(&host, 21));
    auto jobs = MakeJobs({ { "a" }, { "b" } });
    control.SetObject(jobs.get());
    ASSERT_EQ(control.GetItemCount(), 2);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(control.GetItemText(row, 0), "Error");
        EXPECT_EQ(control.GetItemText(row, 1), "Error");
    }
    EXPECT_EQ(control.GetImageList(), nullptr) << "no images by default";
}
