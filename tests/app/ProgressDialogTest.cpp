#include "AppUnderTest.h"
#include "DialogDriver.h"
#include "HeardBroadcasts.h"
#include "MessagePump.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A progress action whose every value the test sets.
class CSetAction : public CWindowsProgressAction {
public:
    char* GetText() override { return const_cast<char*>(mText.c_str()); }
    double GetProgress() override { return mProgress; }
    char* GetDetailText() override { return mDetail.empty() ? nullptr : const_cast<char*>(mDetail.c_str()); }
    double GetDetailProgress() override { return mDetailProgress; }
    double GetPassedTime() override { return mPassed; }
    double GetEstimateTime() override { return mEstimate; }
    double GetDetailPassedTime() override { return mDetailPassed; }
    double GetDetailEstimateTime() override { return mDetailEstimate; }

    std::string mText = "Copying";
    double mProgress = 0.0;
    std::string mDetail;
    double mDetailProgress = 0.0;
    double mPassed = 0.0;
    double mEstimate = 0.0;
    double mDetailPassed = 0.0;
    double mDetailEstimate = 0.0;
};

std::string TextOf(CWnd& window, int id)
{
    return CDialogDriver::TextOf(window.m_hWnd, id);
}

bool Shows(CWnd& window, int id)
{
    return CDialogDriver::Shows(window.m_hWnd, id);
}

int BarOf(CWnd& window, int id)
{
    return static_cast<int>(window.GetDlgItem(id)->SendMessage(PBM_GETPOS));
}

} // namespace

TEST(ProgressDialogTest, ShowsBothLevelsReportsCancelAndSkipAndTheSecondDialogShowsItsPanel)
{
    CSetAction action;
    CProgressDialog dialog(20);
    dialog.SetAction(&action, false);
    ASSERT_TRUE(dialog.Start("Copying files"));
    CString title;
    dialog.GetWindowText(title);
    EXPECT_STREQ(title, "Copying files");
    EXPECT_FALSE(Shows(dialog, IDC_TNW_PROGRESS_SKIP));
    EXPECT_FALSE(Shows(dialog, IDC_TNW_PROGRESS_DETAIL));
    EXPECT_FALSE(Shows(dialog, IDC_TNW_PROGRESS_DETAIL_BAR));

    // The dialog is told nothing: it polls.
    action.mProgress = 0.005;
    action.mPassed = 83.9;
    action.mEstimate = 600;
    ASSERT_TRUE(PumpMessagesUntil([&] { return TextOf(dialog, IDC_TNW_PROGRESS_TEXT) == "Copying"; }));
    EXPECT_EQ(TextOf(dialog, IDC_TNW_PROGRESS_ELAPSED), "00:01:23");
    EXPECT_EQ(TextOf(dialog, IDC_TNW_PROGRESS_LEFT), "");
    EXPECT_EQ(BarOf(dialog, IDC_TNW_PROGRESS_BAR), 1);

    action.mProgress = 0.01;
    dialog.UpdateProgress();
    EXPECT_EQ(TextOf(dialog, IDC_TNW_PROGRESS_LEFT),
              std::string("Estimated time left: ") + UTimecodeUtils::FullFormat(600));
    action.mProgress = 0.994;
    dialog.UpdateProgress();
    EXPECT_EQ(BarOf(dialog, IDC_TNW_PROGRESS_BAR), 99);
    action.mProgress = 0.995;
    dialog.UpdateProgress();
    EXPECT_EQ(BarOf(dialog, IDC_TNW_PROGRESS_BAR), 100);

    // A detail step shows its own line; when it is gone its controls are cleared and hidden.
    action.mDetail = "clip.avi";
    action.mDetailProgress = 0.5;
    action.mDetailPassed = 5.7;
    action.mDetailEstimate = 5;
    dialog.UpdateProgress();
    EXPECT_TRUE(Shows(dialog, IDC_TNW_PROGRESS_DETAIL));
    EXPECT_TRUE(Shows(dialog, IDC_TNW_PROGRESS_DETAIL_BAR));
    EXPECT_EQ(TextOf(dialog, IDC_TNW_PROGRESS_DETAIL), "clip.avi");
    EXPECT_EQ(TextOf(dialog, IDC_TNW_PROGRESS_DETAIL_ELAPSED), "00:00:05");
    EXPECT_EQ(TextOf(dialog, IDC_TNW_PROGRESS_DETAIL_LEFT),
              std::string("Estimated time left: ") + UTimecodeUtils::FullFormat(5));
    EXPECT_EQ(BarOf(dialog, IDC_TNW_PROGRESS_DETAIL_BAR), 50);
    action.mDetail.clear();
    dialog.UpdateProgress();
    EXPECT_FALSE(Shows(dialog, IDC_TNW_PROGRESS_DETAIL));
    EXPECT_FALSE(Shows(dialog, IDC_TNW_PROGRESS_DETAIL_BAR));
    EXPECT_EQ(TextOf(dialog, IDC_TNW_PROGRESS_DETAIL), "");
    EXPECT_EQ(TextOf(dialog, IDC_TNW_PROGRESS_DETAIL_ELAPSED), "");
    EXPECT_EQ(BarOf(dialog, IDC_TNW_PROGRESS_DETAIL_BAR), 0);

    dialog.End();
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_FALSE(dialog.IsPolling());
    // Started again after End, the dialog has a window again.
    ASSERT_TRUE(dialog.Start("Again"));
    EXPECT_TRUE(dialog.IsPolling());
    dialog.End();

    // Cancel and Skip are reported, and only Cancel stops polling.
    CProgressDialog first(20);
    CProgressDialog2 second(20);
    for (CProgressWindow* dialog : std::vector<CProgressWindow*>{&first, &second}) {
        SCOPED_TRACE(dialog == &first ? "CProgressDialog" : "CProgressDialog2");
        CHeardBroadcasts presses;
        dialog->AddListener(&presses);
        dialog->SetAction(&action, true);
        ASSERT_TRUE(dialog->Start("Job"));
        EXPECT_TRUE(Shows(*dialog, IDC_TNW_PROGRESS_SKIP));
        auto polling = [&] {
            return dialog == &first ? first.IsPolling() : second.GetPanel().IsPolling();
        };
        EXPECT_TRUE(polling());

        CDialogDriver::Press(dialog->m_hWnd, IDC_TNW_PROGRESS_SKIP);
        ASSERT_EQ(presses.codes, std::vector<long>{CProgressWindow::kSkip});
        EXPECT_EQ(presses.senders[0], static_cast<const void*>(dialog));
        EXPECT_TRUE(polling());

        CDialogDriver::Press(dialog->m_hWnd, IDCANCEL);
        ASSERT_EQ(presses.codes.size(), 2u);
        EXPECT_EQ(presses.codes[1], CProgressWindow::kCancel);
        EXPECT_FALSE(polling());
        EXPECT_TRUE(::IsWindow(dialog->m_hWnd)) << "the listener ends the dialog when the job has stopped";

        // Closing the window is a Cancel too, and still leaves it to the listener.
        dialog->Start("Job");
        dialog->PostMessage(WM_CLOSE);
        ASSERT_TRUE(PumpMessagesUntil([&] { return presses.codes.size() == 3; }));
        EXPECT_EQ(presses.codes[2], CProgressWindow::kCancel);
        EXPECT_FALSE(polling());
        EXPECT_TRUE(::IsWindow(dialog->m_hWnd));
        dialog->End();
    }

    // The second dialog shows its panel in the placeholder.
    action.mText = "Downloading";
    action.mProgress = 0.25;
    CProgressDialog2 withPanel(20);
    withPanel.SetAction(&action, false);
    ASSERT_TRUE(withPanel.Start("Download"));
    EXPECT_FALSE(Shows(withPanel, IDC_TNW_PROGRESS_SKIP));
    CProgressPanel& panel = withPanel.GetPanel();
    ASSERT_TRUE(PumpMessagesUntil([&] { return TextOf(panel, IDC_TNW_PROGRESS_TEXT) == "Downloading"; }));
    EXPECT_EQ(BarOf(panel, IDC_TNW_PROGRESS_BAR), 25);
    EXPECT_FALSE(Shows(panel, IDC_TNW_PROGRESS_DETAIL_BAR));
    CRect place, placed;
    withPanel.GetDlgItem(IDC_TNW_PROGRESS_PLACE)->GetWindowRect(&place);
    panel.GetWindowRect(&placed);
    EXPECT_EQ(placed, place);
    EXPECT_TRUE(panel.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(Shows(withPanel, IDC_TNW_PROGRESS_PLACE));
    withPanel.End();
}

