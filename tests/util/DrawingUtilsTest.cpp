#include "util/DrawingUtils.h"

#include "MemoryCanvas.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);

LOGFONTA LogFontOf(CFont* font)
{
    LOGFONTA logFont = {};
    font->GetLogFont(&logFont);
    return logFont;
}

COLORREF ColorOf(CBrush* brush)
{
    LOGBRUSH logBrush = {};
    brush->GetObject(sizeof logBrush, &logBrush);
    return logBrush.lbColor;
}

} // namespace

TEST(DrawingUtils, SharedFontsAndBrushesAreMadeOnce)
{
    CFont* font = UDrawingUtils::GetFont();
    EXPECT_FALSE(UDrawingUtils::Initialize()) << "the first getter made them";
    EXPECT_EQ(UDrawingUtils::GetFont(), font);
    EXPECT_EQ(UDrawingUtils::GetFont()->m_hObject, font->m_hObject);

    const BYTE charSet = UDrawingUtils::GetDefaultCharSet();
    const LOGFONTA normal = LogFontOf(UDrawingUtils::GetFont());
    EXPECT_EQ(normal.lfHeight, -12);
    EXPECT_EQ(normal.lfWeight, FW_NORMAL);
    EXPECT_EQ(normal.lfCharSet, charSet);
    EXPECT_STREQ(normal.lfFaceName, "Arial");
    const LOGFONTA small = LogFontOf(UDrawingUtils::GetSmallFont());
    EXPECT_EQ(small.lfHeight, -10);
    EXPECT_STREQ(small.lfFaceName, "Arial");
    const LOGFONTA courier = LogFontOf(UDrawingUtils::GetCourier18Bold());
    EXPECT_EQ(courier.lfHeight, -18);
    EXPECT_EQ(courier.lfWeight, FW_BOLD);
    EXPECT_EQ(courier.lfItalic, 0);
    EXPECT_STREQ(courier.lfFaceName, "Courier New");

    EXPECT_EQ(ColorOf(UDrawingUtils::GetLightBlueBrush()), RGB(174, 175, 255));
    EXPECT_EQ(ColorOf(UDrawingUtils::GetRedBrush()), kRed);
    EXPECT_EQ(ColorOf(UDrawingUtils::GetWhiteBrush()), kWhite);
}

TEST(DrawingUtils, RectanglesAreDrawnOnlyWhenTheyHaveAnArea)
{
    CMemoryCanvas canvas(20, 20, kWhite);
    CDC* dc = &canvas.DC();
    CBrush green(kGreen);
    const RECT inverted = { 15, 15, 5, 5 };
    const RECT flat = { 5, 10, 15, 10 };
    for (const RECT* rect : { &inverted, &flat }) {
        UDrawingUtils::FillRect(dc, rect, kRed);
        UDrawingUtils::FillRect(dc, rect, &green);
        UDrawingUtils::FrameRect(dc, rect);
        UDrawingUtils::FrameRect(dc, rect, &green);
    }
    for (int at = 0; at < 20; ++at)
        ASSERT_EQ(canvas.Pixel(at, at), kWhite) << "nothing drawn at " << at;

    const RECT square = { 5, 5, 15, 15 };
    UDrawingUtils::FillRect(dc, &square, kRed);
    EXPECT_EQ(canvas.Pixel(10, 10), kRed);
    UDrawingUtils::FillRect(dc, &square, &green);
    EXPECT_EQ(canvas.Pixel(10, 10), kGreen);
    UDrawingUtils::FillRect(dc, &square, static_cast<CBrush*>(nullptr));
    UDrawingUtils::FrameRect(dc, &square);
    EXPECT_EQ(canvas.Pixel(5, 10), kBlack);
    EXPECT_EQ(canvas.Pixel(14, 14), kBlack);
    EXPECT_EQ(canvas.Pixel(10, 10), kGreen) << "a frame leaves the inside";
    EXPECT_EQ(canvas.Pixel(15, 15), kWhite);
    UDrawingUtils::FillRect(nullptr, &square, kRed);
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

    const ArrowCanvas left({ 90, 50 }, { 10, 50 }, 10);
    EXPECT_TRUE(left.Drawn(20, 45) && left.Drawn(20, 55));
    EXPECT_FALSE(left.Drawn(20, 44) || left.Drawn(20, 56) || left.Drawn(21, 45));

    const ArrowCanvas down({ 50, 10 }, { 50, 90 }, 10);
    EXPECT_TRUE(down.Drawn(45, 80) && down.Drawn(55, 80));
    EXPECT_FALSE(down.Drawn(44, 80) || down.Drawn(56, 80) || down.Drawn(55, 95) || down.Drawn(50, 91));

    const ArrowCanvas up({ 50, 90 }, { 50, 10 }, 10);
    EXPECT_TRUE(up.Drawn(45, 20) && up.Drawn(55, 20));
    EXPECT_FALSE(up.Drawn(44, 20) || up.Drawn(56, 20) || up.Drawn(55, 5));

    // Diagonal, size 20: 14.1 back along each axis, 7.1 aside, corners mirrored by the line.
    const ArrowCanvas diagonal({ 10, 10 }, { 80, 80 }, 20);
    EXPECT_TRUE(diagonal.Drawn(73, 59) && diagonal.Drawn(59, 73) && diagonal.Drawn(70, 70));
    EXPECT_FALSE(diagonal.Drawn(74, 57) || diagonal.Drawn(57, 74) || diagonal.Drawn(81, 81));

    const ArrowCanvas none({ 30, 30 }, { 30, 30 }, 10);
    EXPECT_FALSE(none.Drawn(25, 25) || none.Drawn(20, 30)) << "a line of no length gets no head";
}

TEST(DrawingUtils, BitmapsAreCentredOnThePoint)
{
    CMemoryCanvas canvas(30, 30, kWhite);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&canvas.DC(), 5, 3));
    {
        CDC memory;
        memory.CreateCompatibleDC(&canvas.DC());
        CBitmap* previous = memory.SelectObject(&bitmap);
        memory.FillSolidRect(0, 0, 5, 3, kRed);
        memory.SelectObject(previous);
    }
    UDrawingUtils::DrawBitmap(&canvas.DC(), &bitmap, 10, 10);
    // 5 x 3: two columns left of the centre and one row above it.
    EXPECT_EQ(canvas.Pixel(8, 9), kRed);
    EXPECT_EQ(canvas.Pixel(12, 11), kRed);
    EXPECT_EQ(canvas.Pixel(7, 9), kWhite);
    EXPECT_EQ(canvas.Pixel(8, 8), kWhite);
    EXPECT_EQ(canvas.Pixel(13, 11), kWhite);
    EXPECT_EQ(canvas.Pixel(12, 12), kWhite);

    CBitmap empty;
    UDrawingUtils::DrawBitmap(&canvas.DC(), &empty, 20, 20);
    UDrawingUtils::DrawBitmap(&canvas.DC(), nullptr, 20, 20);
    EXPECT_EQ(canvas.Pixel(20, 20), kWhite);
}

TEST(DrawingUtils, PointsConvertByTruncation)
{
    const RealPoint real = { -1.7, 2.9 };
    const POINT truncated = UDrawingUtils::TranslatePoint(real);
    EXPECT_EQ(truncated.x, -1);
    EXPECT_EQ(truncated.y, 2);
    const RealPoint back = UDrawingUtils::TranslatePoint(truncated);
    EXPECT_EQ(back.x, -1.0);
    EXPECT_EQ(back.y, 2.0);
    EXPECT_TRUE(UDrawingUtils::Equal(back, RealPoint{ -1.0, 2.0 }));
    EXPECT_FALSE(UDrawingUtils::Equal(back, real));
}
