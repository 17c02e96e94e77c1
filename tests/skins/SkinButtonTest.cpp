#include "skins/SkinButton.h"

#include "GdiObjectCount.h"
#include "MemoryCanvas.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The test picture: four frames of 10 x 10, red, green, blue and grey; the key colour
// fills the 3 x 3 block at the top left and the bottom-right pixel of the first frame.
const int kFrame = 10;
const COLORREF kFrameColours[] = { RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(128, 128, 128) };
const COLORREF kBackground = RGB(0, 0, 0);

// The shape the picture must give: the whole strip but the first frame's key pixels.
void ExpectedShape(CRgn& shape)
{
    CRgn hole;
    shape.CreateRectRgn(0, 0, 4 * kFrame, kFrame);
    hole.CreateRectRgn(0, 0, 3, 3);
    shape.CombineRgn(&shape, &hole, RGN_DIFF);
    hole.SetRectRgn(9, 9, 10, 10);
    shape.CombineRgn(&shape, &hole, RGN_DIFF);
}

} // namespace

TEST(SkinObjectTest, CutsTheFirstFramesKeyPixelsAndKeepsTheBitmapForDrawingWithoutLeaking)
{
    const int sizes[][2] = { { 8, 1 }, { 15, 2 }, { 16, 2 }, { 24, 3 }, { 32, 4 }, { 1, 0 }, { 4, 0 }, { 0, 0 } };
    for (const auto& size : sizes)
        EXPECT_EQ(CSkinObject::GetPixelSize(size[0]), size[1]) << size[0];

    CSkinObject skin;
    skin.SetFrameCount(0); // counts as one frame, never a division by zero
    skin.SetBitmapId(IDB_SKIN_BUTTON);
    ASSERT_TRUE(skin.HasRegion());
    EXPECT_EQ(skin.GetWidth(), 4u * kFrame);
    skin.SetFrameCount(4);
    skin.SetBitmapId(0);
    EXPECT_FALSE(skin.HasRegion());
    EXPECT_EQ(skin.GetMemoryDC(), nullptr);
    skin.SetBitmapId(IDB_SKIN_BUTTON);
    ASSERT_TRUE(skin.Load());
    EXPECT_EQ(std::to_string(skin.GetWidth()) + " x " + std::to_string(skin.GetHeight()), "10 x 10");

    CRgn expected;
    ExpectedShape(expected);
    EXPECT_TRUE(skin.GetRegion().EqualRgn(&expected));

    // Drawn through the shape at an offset: the key pixels leave the target untouched.
    CMemoryCanvas canvas(30, 30, kBackground);
    ASSERT_TRUE(skin.TransparentBitBlt(&canvas.DC(), 5, 5, kFrame, kFrame, skin.GetMemoryDC(), 0, 0));
    EXPECT_TRUE(canvas.Pixel(5 + 2, 5 + 2) == kBackground && canvas.Pixel(5 + 9, 5 + 9) == kBackground);
    EXPECT_TRUE(canvas.Pixel(5 + 3, 5 + 2) == kFrameColours[0] && canvas.Pixel(5 + 9, 5 + 8) == kFrameColours[0]);
    EXPECT_FALSE(skin.TransparentBitBlt(&canvas.DC(), 0, 0, 1, 1, nullptr, 0, 0));

    // A bitmap the caller owns is copied, so the caller may delete it at once.
    CSkinObject other;
    {
        CBitmap own;
        ASSERT_TRUE(own.LoadBitmap(IDB_SKIN_BUTTON));
        other.LoadImageA(own);
    }
    canvas.Fill(kBackground);
    ASSERT_TRUE(other.TransparentBitBlt(&canvas.DC(), 0, 0, kFrame, kFrame, other.GetMemoryDC(), 2 * kFrame, 0));
    EXPECT_EQ(canvas.Pixel(5, 5), kFrameColours[2]);

    // A monochrome picture is shaped by its key like any other, not cut out whole.
    const WORD rows[8] = { 0xFF0F, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF };
    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(8, 8, 1, 1, rows));
    CSkinObject monoSkin;
    monoSkin.LoadImageA(mono);
    ASSERT_TRUE(monoSkin.HasRegion());
    EXPECT_FALSE(monoSkin.GetRegion().PtInRegion(3, 0));
    EXPECT_TRUE(monoSkin.GetRegion().PtInRegion(4, 0));
    EXPECT_TRUE(monoSkin.GetRegion().PtInRegion(0, 1));

    // Changing the picture many times gives back every GDI object.
    skin.SetBitmapId(IDB_SKIN_BUTTON_TOO);
    const unsigned before = CountGdiObjects();
    for (int i = 0; i < 10000; ++i) {
        skin.SetBitmapId(IDB_SKIN_BUTTON);
        skin.SetBitmapId(IDB_SKIN_BUTTON_TOO);
    }
    ASSERT_TRUE(skin.HasRegion());
    EXPECT_LE(CountGdiObjects(), before + 2);
}

TEST(SkinButtonTest, IsOwnerDrawnShapedByItsPictureAndDrawsTheFrameOfEachState)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "skin parent", WS_POPUP | WS_VISIBLE, 0, 0, 100, 60, nullptr, nullptr));
    CSkinButton button;
    button.SetBitmapId(IDB_SKIN_BUTTON);
    // A default push button asked for is still owner-drawn (toggling the bits would not).
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(0, 0, kFrame, kFrame), &parent, 7));
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));

    CRgn windowShape;
    windowShape.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(button.GetWindowRgn(static_cast<HRGN>(windowShape.m_hObject)), ERROR);
    EXPECT_TRUE(windowShape.EqualRgn(&button.GetSkin().GetRegion()));

    const struct {
        UINT state;
        bool capture;
        int frame;
    } cases[] = {
        { 0, false, CSkinButton::kFrameNormal },
        { ODS_FOCUS, false, CSkinButton::kFrameNormal },
        { ODS_SELECTED | ODS_DISABLED, false, CSkinButton::kFrameSelected },
        { ODS_DISABLED, false, CSkinButton::kFrameDisabled },
        { ODS_DISABLED, true, CSkinButton::kFrameCaptured },
    };
    CMemoryCanvas canvas(kFrame, kFrame, kBackground);
    for (const auto& state : cases) {
        if (state.capture)
            button.SetCapture();
        canvas.Fill(kBackground);
        DrawOwnerDrawItem(parent, button, state.state, canvas, { 0, 0, kFrame, kFrame });
        if (state.capture)
            ::ReleaseCapture();
        EXPECT_EQ(canvas.Pixel(5, 5), kFrameColours[state.frame]) << state.state;
        EXPECT_EQ(canvas.Pixel(1, 1), kBackground) << "drawn through the shape";
    }
    parent.DestroyWindow();
    // The window had a copy: the system deleted that one, not the picture's own shape.
    CRect box;
    EXPECT_NE(button.GetSkin().GetRegion().GetRgnBox(&box), ERROR);
}
