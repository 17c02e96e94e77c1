#include "ScratchSettings.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

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
