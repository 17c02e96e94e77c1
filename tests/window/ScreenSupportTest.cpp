#include "BitmapUtils.h"
#include "DragIndicator.h"
#include "ObviousDragIndicator.h"
#include "ScreenCapture.h"

#include "GdiObjectCount.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// A plain top-level window, painted white, to draw bands over.
class CWhiteWindow {
public:
    CWhiteWindow(int x, int y, int width, int height)
        : mWindow(::CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP, x, y, width, height, nullptr, nullptr,
                                    nullptr, nullptr))
    {
        // Shown without taking the activation from other programs' windows.
        ::ShowWindow(mWindow, SW_SHOWNOACTIVATE);
        HDC dc = ::GetWindowDC(mWindow);
        const RECT all = { 0, 0, width, height };
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::ReleaseDC(mWindow, dc);
    }
    ~CWhiteWindow() { ::DestroyWindow(mWindow); }
    HWND Handle() const { return mWindow; }
    COLORREF Pixel(int x, int y) const
    {
        HDC dc = ::GetWindowDC(mWindow);
        const COLORREF color = ::GetPixel(dc, x, y);
        ::ReleaseDC(mWindow, dc);
        return color;
    }

private:
    HWND mWindow;
};

bool SameRect(const RECT& a, const RECT& b)
{
    return ::EqualRect(&a, &b) != FALSE;
}

} // namespace

TEST(DragIndicator, SpansTheDragNormalisedAndDrawsAnInvertedBand)
{
    CWhiteWindow window(700, 500, 100, 80);
    const unsigned before = CountGdiObjects();
    {
        tnwwndut::CObviousDragIndicator band(window.Handle());
        EXPECT_TRUE(SameRect(band.GetDrawRect(), RECT{ 0, 0, 0, 0 }));
        band.Drag({ 760, 560 });
        band.Drag({ 710, 520 }); // up and to the left
        EXPECT_TRUE(SameRect(band.GetDrawRect(), RECT{ 710, 520, 760, 560 }));
        EXPECT_TRUE(band.IsDrawn());
        // Three pixels wide, inverted: black on the white window, white again inside.
        EXPECT_EQ(window.Pixel(10, 20), kBlack);
        EXPECT_EQ(window.Pixel(12, 30), kBlack);
        EXPECT_EQ(window.Pixel(13, 30), kWhite);
        EXPECT_EQ(window.Pixel(59, 59), kBlack);
        EXPECT_EQ(window.Pixel(60, 59), kWhite);
        EXPECT_EQ(window.Pixel(30, 22), kBlack) << "edges meet without overlapping";

        band.Draw();
        EXPECT_EQ(window.Pixel(10, 20), kBlack) << "drawn once, however often asked";
        band.Undraw();
        EXPECT_EQ(window.Pixel(10, 20), kWhite);
        band.Move({ 790, 570, 720, 530 });
        EXPECT_TRUE(SameRect(band.GetDrawRect(), RECT{ 720, 530, 790, 570 }));
        EXPECT_EQ(window.Pixel(20, 30), kBlack);
    }
    EXPECT_EQ(window.Pixel(20, 30), kWhite) << "the band goes with the indicator";
    EXPECT_EQ(CountGdiObjects(), before);

    // The plain band is a halftone: every other pixel of a one-pixel frame.
    tnwwndut::CDragIndicator plain(window.Handle());
    plain.Move({ 710, 510, 750, 550 });
    EXPECT_NE(window.Pixel(10, 10) == kBlack, window.Pixel(11, 10) == kBlack);
    EXPECT_EQ(window.Pixel(11, 11), kWhite);
}

TEST(ScreenCapture, TakesTheWholeScreenOrNothing)
{
    auto captureAndDraw = [] {
        CScreenCapture capture;
        EXPECT_FALSE(capture.SetCapture(1)) << "only the whole screen";
        HDC memory = ::CreateCompatibleDC(nullptr);
        HBITMAP target = ::CreateCompatibleBitmap(memory, 4, 4);
        HGDIOBJ previous = ::SelectObject(memory, target);
        for (bool cursor : { false, true }) {
            capture.SetWantCursor(cursor);
            // Wine's display without a screen (the tests' null driver) cannot be read.
            if (capture.Capture()) {
                EXPECT_EQ(capture.GetWidth(), ::GetSystemMetrics(SM_CXSCREEN));
                EXPECT_EQ(capture.GetHeight(), ::GetSystemMetrics(SM_CYSCREEN));
                BITMAP layout = {};
                ASSERT_TRUE(::GetObjectA(capture.GetBitmap(), sizeof layout, &layout));
                EXPECT_EQ(layout.bmWidth, capture.GetWidth());
                EXPECT_TRUE(capture.Draw(memory, 0, 0));
            } else {
                EXPECT_EQ(capture.GetBitmap(), nullptr);
                EXPECT_EQ(capture.GetWidth(), 0);
                EXPECT_FALSE(capture.Draw(memory, 0, 0));
            }
        }
        ::SelectObject(memory, previous);
        ::DeleteObject(target);
        ::DeleteDC(memory);
    };
    captureAndDraw();
    const unsigned before = CountGdiObjects();
    for (int round = 0; round < 5; ++round)
        captureAndDraw();
    EXPECT_EQ(CountGdiObjects(), before);
}

TEST(BitmapUtils, MakesAGreyCopyThatKeepsTheAlpha)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = -1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP colour = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const unsigned char pixels[8] = { 0, 0, 255, 255, 255, 0, 0, 128 }; // red opaque, blue half
    std::memcpy(bits, pixels, sizeof pixels);

    HBITMAP grey = UBitmapUtils::MakeMonochrome(colour);
    ASSERT_NE(grey, nullptr);
    unsigned char result[8] = {};
    HDC dc = ::CreateCompatibleDC(nullptr);
    ASSERT_EQ(::GetDIBits(dc, grey, 0, 1, result, &info, DIB_RGB_COLORS), 1);
    ::DeleteDC(dc);
    // 0.299 of 255 for the red, 0.114 of 255 for the blue; the alpha as it was.
    EXPECT_EQ(std::vector<int>(result, result + 8), (std::vector<int>{ 76, 76, 76, 255, 29, 29, 29, 128 }));
    ::DeleteObject(grey);
    ::DeleteObject(colour);
    EXPECT_EQ(UBitmapUtils::MakeMonochrome(nullptr), nullptr);
}
