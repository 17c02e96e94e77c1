#include "TimecodeUtils.h"

#include <gtest/gtest.h>

#include <limits>

TEST(TimecodeUtils, PositionsToATenthRunningClocksAndNamedUnits)
{
    EXPECT_STREQ(UTimecodeUtils::Format(0.3), "0:00.3") << "0.3 is held as 0.2999...";
    EXPECT_STREQ(UTimecodeUtils::Format(83.45), "1:23.4");
    EXPECT_STREQ(UTimecodeUtils::Format(599.99), "9:59.9") << "tenths are cut, not rounded";
    EXPECT_STREQ(UTimecodeUtils::Format(3723), "1:02:03.0");
    EXPECT_STREQ(UTimecodeUtils::Format(-1.5), "-0:01.5");
    EXPECT_STREQ(UTimecodeUtils::Format(-0.04), "0:00.0");
    EXPECT_STREQ(UTimecodeUtils::Format(std::numeric_limits<double>::quiet_NaN()), "0:00.0");

    EXPECT_STREQ(UTimecodeUtils::FormatTime(83.9), "00:01:23");
    EXPECT_STREQ(UTimecodeUtils::FormatTime(36000 * 11 + 61), "110:01:01");
    EXPECT_STREQ(UTimecodeUtils::FormatTime(-5), "00:00:00");
    EXPECT_STREQ(UTimecodeUtils::FormatTime(std::numeric_limits<double>::infinity()), "00:00:00");

    EXPECT_STREQ(UTimecodeUtils::FullFormat(0), "0 seconds");
    EXPECT_STREQ(UTimecodeUtils::FullFormat(1), "1 second");
    EXPECT_STREQ(UTimecodeUtils::FullFormat(59.9), "59 seconds");
    EXPECT_STREQ(UTimecodeUtils::FullFormat(125), "2 minutes 5 seconds");
    EXPECT_STREQ(UTimecodeUtils::FullFormat(3601), "1 hour 1 second");
    EXPECT_STREQ(UTimecodeUtils::FullFormat(7322), "2 hours 2 minutes 2 seconds");
    EXPECT_STREQ(UTimecodeUtils::FullFormat(-3), "0 seconds");
}
