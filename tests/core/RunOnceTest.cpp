#include "ScratchSettings.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

TEST(RunOnce, TrueOnlyTheFirstTimeUntilTheValueIsRemoved)
{
    ScratchSettings settings;
    EXPECT_TRUE(URunOnce::Run("x"));
    EXPECT_FALSE(URunOnce::Run("x"));
    EXPECT_FALSE(URunOnce::Run("x"));
    EXPECT_EQ(CRegistry("Run Once", "x", nullptr).GetValue(0), 1u);
    EXPECT_TRUE(URunOnce::Run("y")) << "each action has its own value";

    CRegistry("Run Once", "x", nullptr).RemoveValue();
    EXPECT_TRUE(URunOnce::Run("x"));

    CRegistry("Run Once", "reset", nullptr).SetValue(0);
    EXPECT_TRUE(URunOnce::Run("reset")) << "0 means not done yet";
}

TEST(RunOnce, DamagedValuesCountAsDoneAndNamelessActionsNeverRun)
{
    ScratchSettings settings;
    CRegistry("Run Once", "damaged", nullptr).SetTextValue("garbage");
    EXPECT_FALSE(URunOnce::Run("damaged"));
    EXPECT_STREQ(CRegistry("Run Once", "damaged", nullptr).GetTextValue(nullptr), "garbage")
        << "the damaged value is left for the maker to see";

    EXPECT_FALSE(URunOnce::Run(nullptr));
    EXPECT_FALSE(URunOnce::Run(""));
    EXPECT_FALSE(CRegistry("Run Once", "", nullptr).HasValue());
}
