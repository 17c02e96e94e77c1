#include "WindowsProgressAction.h"

#include "MessagePump.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class CSteppedAction : public CWindowsProgressAction {
public:
    double GetProgress() override { return mProgress; }
    double GetDetailProgress() override { return mDetailProgress; }
    CProgressAction* GetChildAction() override { return mChild; }

    double mProgress = 0.0;
    double mDetailProgress = 0.0;
    CProgressAction* mChild = nullptr;
};

class CChildAction : public CProgressAction {
public:
    double GetProgress() override { return mProgress; }
    double mProgress = 0.0;
};

// Waits until the clock of the job, or of its detail step, has run at least seconds.
void WaitPassed(CWindowsProgressAction& action, double seconds, bool detail = false)
{
    ASSERT_TRUE(PumpMessagesUntil([&] {
        return (detail ? action.GetDetailPassedTime() : action.GetPassedTime()) >= seconds;
    }));
}

TEST(WindowsProgressActionTest, ClocksRunFromStartProgressEstimateTheRestAndTheDetailClockRestartsEachStep)
{
    for (double progress : {0.0, -0.5, 1.0, 1.5, std::nan("")})
        EXPECT_EQ(CWindowsProgressAction::EstimateRemaining(10.0, progress), 0.0) << progress;

    CSteppedAction action;
    action.mProgress = 0.5;
    EXPECT_EQ(action.GetPassedTime(), 0.0) << "not started";
    EXPECT_EQ(action.GetEstimateTime(), 0.0);
    EXPECT_EQ(action.GetDetailPassedTime(), 0.0);

    action.StartProgress();
    WaitPassed(action, 0.05);
    action.mProgress = 0.25;
    const double before = action.GetPassedTime();
    const double estimate = action.GetEstimateTime();
    const double after = action.GetPassedTime();
    EXPECT_GE(estimate, 3.0 * before);
    EXPECT_LE(estimate, 3.0 * after);

    action.mProgress = 1.0;
    EXPECT_EQ(action.GetEstimateTime(), 0.0) << "nothing left";

    action.StartProgress();
    EXPECT_LT(action.GetPassedTime(), before) << "a new run starts the clock again";

    // The detail clock restarts when the next step begins.
    CSteppedAction stepped;
    stepped.StartProgress();
    stepped.mDetailProgress = 0.9;
    WaitPassed(stepped, 0.05, true);

    stepped.mDetailProgress = 0.1;
    const double step = stepped.GetDetailPassedTime();
    EXPECT_LT(step, 0.05) << "the progress went back: a new step";
    EXPECT_GE(stepped.GetPassedTime(), 0.05) << "the job's clock runs on";

    stepped.mDetailProgress = 0.2;
    WaitPassed(stepped, 0.03, true);
    stepped.mDetailProgress = 0.5;
    const double stepBefore = stepped.GetDetailPassedTime();
    const double stepEstimate = stepped.GetDetailEstimateTime();
    EXPECT_GE(stepEstimate, stepBefore) << "at half way as much again is left";
    EXPECT_LT(stepEstimate, stepped.GetPassedTime());

    stepped.StartDetailProgress();
    EXPECT_LT(stepped.GetDetailPassedTime(), stepBefore);

    // A child action is the detail step.
    CChildAction child;
    stepped.mChild = &child;
    stepped.mDetailProgress = 0.0;
    child.mProgress = 0.8;
    WaitPassed(stepped, 0.05, true);
    EXPECT_GT(stepped.GetDetailEstimateTime(), 0.0) << "from the child's 0.8, not the own 0";
    child.mProgress = 0.05;
    EXPECT_LT(stepped.GetDetailPassedTime(), 0.05) << "the child went back: a new step";
}

} // namespace
