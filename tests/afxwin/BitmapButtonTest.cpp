#include "MemoryCanvas.h"
#include "resource.h"

#include "afxwin.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGray = RGB(128, 128, 128);
const UINT kButtonId = 100;

} // namespace

TEST(BitmapButton, ShowsTheBitmapOfTheStateOrFallsBackToTheNormalOne)
{
    // A bitmap button in a hidden parent, drawn through the parent's WM_DRAWITEM into a
    // canvas for each state.
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    CBitmapButton button;
    ASSERT_TRUE(button.Create("", WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 8, 8), &parent, kButtonId));
    CMemoryCanvas canvas{ 12, 12, kWhite };
    const auto drawn = [&](UINT state) {
        canvas.Fill(kWhite);
        DrawOwnerDrawItem(parent, button, state, canvas, { 2, 2, 10, 10 });
        EXPECT_EQ(canvas.Pixel(1, 1), kWhite) << "drawn at the item rectangle";
        return canvas.Pixel(5, 5);
    };
    ASSERT_TRUE(button.LoadBitmaps(IDB_TEST_RED, IDB_TEST_GREEN, IDB_TEST_BLUE, IDB_TEST_GRAY));
    EXPECT_EQ(drawn(0), kRed);
    EXPECT_EQ(drawn(ODS_SELECTED), kGreen);
    EXPECT_EQ(drawn(ODS_FOCUS), kBlue);
    EXPECT_EQ(drawn(ODS_DISABLED), kGray);
    EXPECT_EQ(drawn(ODS_SELECTED | ODS_FOCUS), kGreen) << "pressed comes before focused";
    EXPECT_EQ(drawn(ODS_FOCUS | ODS_DISABLED), kBlue) << "focused comes before disabled";

    // Without the other bitmaps the normal one stands in; a new set replaces the whole set.
    ASSERT_TRUE(button.LoadBitmaps(IDB_TEST_BLUE));
    EXPECT_EQ(drawn(ODS_SELECTED), kBlue) << "no pressed bitmap is left from the earlier set";
    EXPECT_EQ(drawn(ODS_DISABLED), kBlue);

    EXPECT_FALSE(button.LoadBitmaps(IDB_TEST_RED, IDB_TEST_MISSING));
    EXPECT_EQ(drawn(ODS_SELECTED), kRed) << "the bitmaps that exist are loaded";
    EXPECT_FALSE(button.LoadBitmaps(static_cast<LPCSTR>(nullptr)));
    EXPECT_EQ(drawn(0), kWhite) << "without bitmaps nothing is drawn";
}
