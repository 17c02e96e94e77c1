#include "TestJobs.h"
#include "UserInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#undef GetObject

using UserInput::ClickCheckBox;

namespace {

class ObjectReportControlTest : public ::testing::Test {
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

    CObjectDisplay* DisplayOf(int index) { return control.FindChildDisplay(jobs->GetAt(index)); }

    CHostWnd host;
    CJobControl<CObjectReportControl> control;
    CSelectionRecorder recorder;
    std::unique_ptr<CPersistList> jobs;
};

} // namespace

TEST_F(ObjectReportControlTest, ObjectsRewriteTheirOwnRowsWhereverTheReportMovedThem)
{
    EXPECT_EQ(control.GetItemData(3), reinterpret_cast<DWORD_PTR>(DisplayOf(3)));
    ASSERT_NE(control.GetImageList(), nullptr);
    EXPECT_EQ(control.GetImageList()->GetImageCount(), 4);

    UserInput::ClickHeader(control, 1);
    EXPECT_EQ(ColumnTexts(control, 0), (std::vector<std::string>{ "break", "outro", "intro", "talk" }));
    EXPECT_TRUE(control.IsItemChecked(3)) << "the check mark stays with its job";
    EXPECT_FALSE(control.IsItemChecked(1));
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
    EXPECT_EQ(control.GetSortedColumn(), -1) << "a new row forgets the sort";
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
    EXPECT_EQ(host.notices.back().message, static_cast<UINT>(CReportCtrl::kCheckChangedMessage));
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
    EXPECT_EQ(control.OnToolHitTest(UserInput::CellPoint(control, 1, 1), &tool), 0x00020002)
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
