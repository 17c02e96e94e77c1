#include "BitmapResizer.h"

#include "ScratchFolder.h"
#include "TestResources.h"
#include "pictures/pictures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

// Lossy formats come close to the colours they were given.
bool Near(COLORREF actual, COLORREF expected)
{
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= 8
           && std::abs(GetGValue(actual) - GetGValue(expected)) <= 8
           && std::abs(GetBValue(actual) - GetBValue(expected)) <= 8;
}

class BitmapResizerTest : public ::testing::Test {
protected:
    std::string Picture(int id, const char* name)
    {
        const std::string path = scratch.File(name);
        EXPECT_TRUE(WriteResourceToFile(id, path));
        return path;
    }

    COLORREF Pixel(int x, int y) const { return ::GetPixel(resizer.GetPictureDC(), x, y); }

    ScratchFolder scratch;
    CBitmapResizer resizer;
};

} // namespace

TEST_F(BitmapResizerTest, ReadsEachFormatAndScalesItToTheTarget)
{
    const struct {
        int id;
        const char* name;
    } pictures[] = { { IDR_PICTURE_HALVES_BMP, "halves.bmp" }, { IDR_PICTURE_HALVES_GIF, "halves.gif" },
                     { IDR_PICTURE_HALVES_JPG, "halves.jpg" }, { IDR_PICTURE_HALVES_PNG, "halves.png" } };
    resizer.SetSize(64, 10);
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name);
        const std::string path = Picture(picture.id, picture.name);
        ASSERT_TRUE(resizer.SetFilePath(path.c_str()));
        EXPECT_EQ(resizer.GetFilePath(), path);
        EXPECT_EQ(resizer.GetWidth(), 64);
        EXPECT_EQ(resizer.GetHeight(), 10);
        // The 16 x 8 picture stretched four times wider and a little taller.
        EXPECT_PRED2(Near, Pixel(2, 1), kRed);
        EXPECT_PRED2(Near, Pixel(24, 8), kRed);
        EXPECT_PRED2(Near, Pixel(40, 1), kBlue);
        EXPECT_PRED2(Near, Pixel(62, 8), kBlue);
    }
}

TEST_F(BitmapResizerTest, FollowsTheTargetSizeWithoutReadingTheFileAgainAndKeepsItForAFileThatIsNoPicture)
{
    const std::string path = Picture(IDR_PICTURE_HALVES_PNG, "halves.png");
    EXPECT_TRUE(resizer.SetFilePath(path.c_str()));
    EXPECT_EQ(resizer.GetWidth(), 0) << "no target size yet";
    EXPECT_EQ(resizer.GetPictureDC(), nullptr);

    ASSERT_TRUE(::DeleteFileA(path.c_str()));
    resizer.SetSize(8, 20);
    ASSERT_NE(resizer.GetPictureDC(), nullptr);
    EXPECT_EQ(resizer.GetWidth(), 8);
    EXPECT_EQ(resizer.GetHeight(), 20);
    EXPECT_EQ(Pixel(1, 19), kRed);
    EXPECT_EQ(Pixel(6, 0), kBlue);

    resizer.SetSize(0, 20);
    EXPECT_EQ(resizer.GetWidth(), 0);
    EXPECT_EQ(resizer.GetPictureDC(), nullptr);

    // Transparent parts show white.
    resizer.SetSize(4, 4);
    ASSERT_TRUE(resizer.SetFilePath(Picture(IDR_PICTURE_CLEAR_PNG, "clear.png").c_str()));
    EXPECT_EQ(Pixel(2, 2), kWhite);

    // A file that is no picture keeps the earlier one.
    const std::string picture = Picture(IDR_PICTURE_HALVES_GIF, "halves.gif");
    resizer.SetSize(16, 8);
    ASSERT_TRUE(resizer.SetFilePath(picture.c_str()));

    const std::string text = scratch.File("notes.png");
    ASSERT_TRUE(WriteWholeFile(text, "not a picture at all"));
    const std::string truncated = scratch.File("truncated.png");
    ASSERT_TRUE(WriteWholeFile(truncated, LoadResourceBytes(IDR_PICTURE_HALVES_PNG).substr(0, 40)));
    for (const std::string& bad : { text, truncated, scratch.File("missing.bmp"), std::string() }) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(resizer.SetFilePath(bad.c_str()));
        EXPECT_EQ(resizer.GetFilePath(), picture);
        EXPECT_EQ(Pixel(12, 4), kBlue);
    }
    EXPECT_FALSE(resizer.SetFilePath(nullptr));
    EXPECT_EQ(resizer.GetFilePath(), picture);
}

