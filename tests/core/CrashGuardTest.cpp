#include "ScratchSettings.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

namespace {

unsigned long RunningMark()
{
    return CRegistry("Crash Guard", "Running", nullptr).GetValue(99);
}

} // namespace

TEST(CrashGuard, ARunThatLeftItsMarkIsReportedByTheNextRunOnlyAndCopiesLeaveTheMarkAlone)
{
    ScratchSettings settings;
    EXPECT_FALSE(StCrashGuard::CrashedLastTime()) << "no guard alive";
    {
        StCrashGuard first;
        EXPECT_FALSE(first.Crashed()) << "first run ever";
        EXPECT_FALSE(StCrashGuard::CrashedLastTime());
        EXPECT_EQ(RunningMark(), 1u);
    }
    EXPECT_EQ(RunningMark(), 0u);
    EXPECT_FALSE(StCrashGuard().Crashed()) << "after a clean end";

    // A run killed while its guard lived left the mark as a second guard now finds it.
    CRegistry("Crash Guard", "Running", nullptr).SetValue(1);
    {
        StCrashGuard guard;
        EXPECT_TRUE(guard.Crashed());
        EXPECT_TRUE(StCrashGuard::CrashedLastTime());
    }
    EXPECT_FALSE(StCrashGuard().Crashed()) << "the run after the crash ended normally";

    CRegistry("Crash Guard", "Running", nullptr).SetTextValue("not a number");
    EXPECT_FALSE(StCrashGuard().Crashed()) << "a damaged mark is no crash";

    auto* first = new StCrashGuard;
    // The second guard finds the first one's mark of this very run.
    auto* second = new StCrashGuard;
    EXPECT_TRUE(second->Crashed());
    EXPECT_FALSE(StCrashGuard::CrashedLastTime()) << "answered by the first guard";
    {
        StCrashGuard copy(*second);
        StCrashGuard assigned(*first);
        assigned = copy;
        EXPECT_TRUE(assigned.Crashed());
    }
    EXPECT_EQ(RunningMark(), 1u) << "copies do not clear the mark";
    EXPECT_FALSE(StCrashGuard::CrashedLastTime()) << "copies never serve";

    delete first;
    EXPECT_EQ(RunningMark(), 0u) << "the first guard destroyed already clears the mark";
    EXPECT_FALSE(StCrashGuard::CrashedLastTime()) << "the second guard never serves";
    delete second;
}

TEST(RunOnce, TrueOnlyTheFirstTimeUntilTheValueIsRemoved)
{
    ScratchSettings settings;
    EXPECT_TRUE(URunOnce::Run("x"));
    EXPECT_FALSE(URunOnce::Run("x"));
    EXPECT_TRUE(URunOnce::Run("y")) << "each action has its own value";
    CRegistry("Run Once", "x", nullptr).RemoveValue();
    EXPECT_TRUE(URunOnce::Run("x"));

    CRegistry("Run Once", "reset", nullptr).SetValue(0);
    EXPECT_TRUE(URunOnce::Run("reset")) << "0 means not done yet";
    CRegistry("Run Once", "damaged", nullptr).SetTextValue("garbage");
    EXPECT_FALSE(URunOnce::Run("damaged")) << "a damaged value counts as done";
    EXPECT_TRUE(URunOnce::Run(nullptr)) << "the unnamed action, once";
    EXPECT_FALSE(URunOnce::Run(""));
}
