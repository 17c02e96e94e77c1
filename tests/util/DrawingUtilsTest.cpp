#include "util/DrawingUtils.h"

#include "MemoryCanvas.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);

} // namespace

TEST(DrawingUtils, SharedFontsAreMadeOnceWithTheDesktopsCharacterSetAndPointsTruncate)
{
    CFont* font = UDrawingUtils::GetCourier18Bold();
    EXPECT_FALSE(UDrawingUtils::Initialize()) << "the first getter made them";
    EXPECT_EQ(UDrawingUtils::GetCourier18Bold()->m_hObject, font->m_hObject);
    LOGFONTA logFont = {};
    font->GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfCharSet, UDrawingUtils::GetDefaultCharSet());

    // Points convert by truncation toward zero.
    const POINT truncated = UDrawingUtils::TranslatePoint(RealPoint{-1.7, 2.9});
    EXPECT_TRUE(truncated.x == -1 && truncated.y == 2) << truncated.x << ", " << truncated.y;
    EXPECT_TRUE(UDrawingUtils::Equal(UDrawingUtils::TranslatePoint(truncated), RealPoint{-1.0, 2.0}));
}

TEST(DrawingUtils, RectanglesAreDrawnOnlyWhenTheyHaveAnAreaAndBitmapsCentredOnThePoint)
{
    CMemoryCanvas canvas(20, 20, kWhite);
    CDC* dc = &canvas.DC();
    CBrush green(kGreen);
    const RECT inverted = {15, 15, 5, 5};
    const RECT flat = {5, 10, 15, 10};
    const RECT square = {5, 5, 15, 15};
    for (const RECT* rect : {&inverted, &flat, &square}) {
        const bool area = rect == &square;
        UDrawingUtils::FillRect(dc, rect, kRed);
        EXPECT_EQ(canvas.Pixel(10, 10), area ? kRed : kWhite);
        UDrawingUtils::FillRect(dc, rect, &green);
        EXPECT_EQ(canvas.Pixel(10, 10), area ? kGreen : kWhite);
        UDrawingUtils::FrameRect(dc, rect);
        EXPECT_EQ(canvas.Pixel(14, 14), area ? kBlack : kWhite);
        UDrawingUtils::FrameRect(dc, rect, &green);
        EXPECT_EQ(canvas.Pixel(14, 14), area ? kGreen : kWhite);
    }
    UDrawingUtils::FillRect(dc, &square, static_cast<CBrush*>(nullptr));
    EXPECT_EQ(canvas.Pixel(10, 10), kGreen) << "no brush paints nothing";
    EXPECT_EQ(canvas.Pixel(15, 15), kWhite) << "right and bottom edges stay outside";
    UDrawingUtils::FillRect(nullptr, &square, kRed);

    // Bitmaps are centred on the point: 5 x 3, two columns left of it and one row above.
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(dc, 5, 3));
    {
        CDC memory;
        memory.CreateCompatibleDC(dc);
        CBitmap* previous = memory.SelectObject(&bitmap);
        memory.FillSolidRect(0, 0, 5, 3, kRed);
        memory.SelectObject(previous);
    }
    canvas.Fill(kWhite);
    UDrawingUtils::DrawBitmap(dc, &bitmap, 10, 10);
    EXPECT_TRUE(canvas.Pixel(8, 9) == kRed && canvas.Pixel(12, 11) == kRed);
    EXPECT_TRUE(canvas.Pixel(7, 9) == kWhite && canvas.Pixel(8, 8) == kWhite && canvas.Pixel(13, 11) == kWhite &&
                canvas.Pixel(12, 12) == kWhite);
    CBitmap empty;
    UDrawingUtils::DrawBitmap(dc, &empty, 15, 15);
    UDrawingUtils::DrawBitmap(dc, nullptr, 15, 15);
    EXPECT_EQ(canvas.Pixel(15, 15), kWhite);
}

namespace {

// Draws an arrow in black on white and reports the colour at each point.
class ArrowCanvas {
public:
    ArrowCanvas(POINT from, POINT to, int size)
    {
        canvas.DC().SelectStockObject(BLACK_PEN);
        canvas.DC().SelectStockObject(BLACK_BRUSH);
        UDrawingUtils::LineWithArrow(&canvas.DC(), from, to, size);
    }
    bool Drawn(int x, int y) const { return canvas.Pixel(x, y) == kBlack; }

private:
    CMemoryCanvas canvas{ 100, 100, kWhite };
};

} // namespace

TEST(DrawingUtils, ArrowHeadsHaveTheSameShapeInEveryDirection)
{
    // size 10: the head reaches 10 pixels back from the tip and 5 to each side.
    const ArrowCanvas right({ 10, 50 }, { 90, 50 }, 10);
    EXPECT_TRUE(right.Drawn(90, 50) && right.Drawn(80, 45) && right.Drawn(80, 55) && right.Drawn(84, 48));
    EXPECT_FALSE(right.Drawn(80, 44) || right.Drawn(80, 56) || right.Drawn(79, 45) || right.Drawn(91, 50));

    const ArrowCanvas down({ 50, 10 }, { 50, 90 }, 10);
    EXPECT_TRUE(down.Drawn(45, 80) && down.Drawn(55, 80));
    EXPECT_FALSE(down.Drawn(44, 80) || down.Drawn(56, 80) || down.Drawn(55, 95) || down.Drawn(50, 91));

    // Diagonal, size 20: 14.1 back along each axis, 7.1 aside, corners mirrored by the line.
    const ArrowCanvas diagonal({ 10, 10 }, { 80, 80 }, 20);
    EXPECT_TRUE(diagonal.Drawn(73, 59) && diagonal.Drawn(59, 73) && diagonal.Drawn(70, 70));
    EXPECT_FALSE(diagonal.Drawn(74, 57) || diagonal.Drawn(57, 74) || diagonal.Drawn(81, 81));

    const ArrowCanvas none({ 30, 30 }, { 30, 30 }, 10);
    EXPECT_FALSE(none.Drawn(25, 25) || none.Drawn(20, 30)) << "a line of no length gets no head";
}
