#include "util/IpUtils.h"

#include <gtest/gtest.h>

TEST(IpUtils, FormatsFromTheMostSignificantByteDownAndParsesLeniently)
{
    EXPECT_STREQ(UIpUtils::FormatIpAddress(0xC0A80102), "192.168.1.2");
    EXPECT_STREQ(UIpUtils::FormatIpAddress(0xFFFFFFFF), "255.255.255.255");
    EXPECT_EQ(UIpUtils::ParseIpAddress("192.168.1.2"), 0xC0A80102ul);
    EXPECT_EQ(UIpUtils::ParseIpAddress("10.1"), 0x0A010000ul) << "missing parts are 0";
    EXPECT_EQ(UIpUtils::ParseIpAddress(nullptr), 0ul);
    EXPECT_EQ(UIpUtils::ParseIpAddress("1.2.3.4.5"), 0x01020304ul) << "only four parts";
    EXPECT_EQ(UIpUtils::ParseIpAddress("300.x.-1.7"), 0x2C00FF07ul) << "each part keeps its low 8 bits";
    EXPECT_EQ(UIpUtils::ParseIpAddress("99999999999999999999.1"), 0xFF010000ul)
        << "a part beyond a long reads as the largest long";
}
