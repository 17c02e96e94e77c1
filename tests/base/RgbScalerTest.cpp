#include "RgbScaler.h"
#include "VideoConverter.h"

#include <gtest/gtest.h>

#include <vector>

TEST(RgbScaler, ScalesRgbFramesIntoTheOutputFormatAndSize)
{
    // A 2 x 2 frame of 24-bit pixels (rows padded to 8 bytes) doubled into a 4 x 4 picture
    // at the top-left of a 5 x 4 frame of 32-bit pixels.
    const unsigned char frame[] = { 1, 2, 3, 4, 5, 6, 0, 0,
                                    7, 8, 9, 10, 11, 12, 0, 0 };
    CRgbScaler scaler(CVideoConverter::kColorRgb24, 2, 2, CVideoConverter::kColorRgb32, 4, 4, 5, 4);
    ASSERT_TRUE(scaler.IsValid());
    EXPECT_EQ(scaler.GetInputLineSize(), 8u);
    EXPECT_EQ(scaler.GetOutputLineSize(), 20u);
    EXPECT_EQ(scaler.GetOutputSize(), 80u);
    std::vector<unsigned char> picture(80, 0xEE);
    ASSERT_TRUE(scaler.Scale(frame, picture.data()));
    auto pixel = [&](int x, int y) {
        const unsigned char* p = &picture[y * 20 + x * 4];
        return std::vector<int>{ p[0], p[1], p[2], p[3] };
    };
    EXPECT_EQ(pixel(0, 0), (std::vector<int>{ 1, 2, 3, 0 }));
    EXPECT_EQ(pixel(1, 1), (std::vector<int>{ 1, 2, 3, 0 }));
    EXPECT_EQ(pixel(3, 0), (std::vector<int>{ 4, 5, 6, 0 }));
    EXPECT_EQ(pixel(2, 3), (std::vector<int>{ 10, 11, 12, 0 }));
    EXPECT_EQ(pixel(4, 2), (std::vector<int>{ 0, 0, 0, 0 })) << "outside the target the frame is black";

    // Settings that describe no conversion make no scaler.
    EXPECT_FALSE(CRgbScaler(999, 2, 2, CVideoConverter::kColorRgb32, 2, 2, 2, 2).IsValid());
    EXPECT_FALSE(CRgbScaler(CVideoConverter::kColorRgb24, 0, 2, CVideoConverter::kColorRgb32, 2, 2, 2, 2).IsValid());
    EXPECT_FALSE(CRgbScaler(CVideoConverter::kColorRgb24, 2, 2, CVideoConverter::kColorRgb32, 6, 2, 5, 2).IsValid())
        << "the target does not fit the output";
}
