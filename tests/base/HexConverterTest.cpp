#include "HexConverter.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(HexConverter, WritesBothByteOrdersAndReadsOddOrBrokenTexts)
{
    // Round trips of every byte are the hex_text fuzz target's to check.
    const unsigned char high[] = {0xFE, 0xFF};
    EXPECT_STREQ(UHexConverter::MakeText(high, 2, false), "FEFF");

    // Little-endian numbers read least significant byte first, or reversed.
    long long value = 1;
    EXPECT_STREQ(UHexConverter::MakeText(&value, 8, false), "0100000000000000");
    EXPECT_STREQ(UHexConverter::MakeText(&value, 8, true), "0000000000000001");
    long long back = 0;
    std::memcpy(&back, UHexConverter::MakeData("0000000000A0B0C1", true), 8);
    EXPECT_EQ(back, 0xA0B0C1);

    // Single characters, and odd or broken texts.
    EXPECT_STREQ(UHexConverter::MakeTextFromChar(0xAB), "AB");
    EXPECT_STREQ(UHexConverter::MakeText(nullptr, 5, false), "");

    const unsigned char* data = UHexConverter::MakeData("01fFa", false);
    EXPECT_EQ(data[0], 0x01);
    EXPECT_EQ(data[1], 0xFF) << "either case reads";
    EXPECT_EQ(data[2], 0) << "an odd last digit is ignored";
    EXPECT_EQ(UHexConverter::MakeData("zz", false)[0], 0);
    EXPECT_NE(UHexConverter::MakeData(nullptr, false), nullptr);
}
