#include "controls/XpHoverButton.h"

#include "GdiObjectCount.h"
#include "MemoryCanvas.h"
#include "MessagePump.h"
#include "res/resource.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kBackground = RGB(0, 200, 0);
const COLORREF kRed = RGB(255, 0, 0);
const int kWidth = 60;
const int kHeight = 40;
const UINT kButtonId = 51;

// The library's face bitmap, read as the buttons read it.
class CFaces {
public:
    CFaces()
        : mBitmap(static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA("tnwmfcut.dll"), MAKEINTRESOURCEA(IDB_TNW_XP_BUTTON),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))),
          mDC(::CreateCompatibleDC(nullptr)), mPrevious(::SelectObject(mDC, mBitmap))
    {
    }
    ~CFaces()
    {
        ::SelectObject(mDC, mPrevious);
        ::DeleteDC(mDC);
        ::DeleteObject(mBitmap);
    }
    COLORREF Pixel(int face, int x, int y) const { return ::GetPixel(mDC, face * CXpButton::GetFaceWidth() + x, y); }
    COLORREF Key() const { return ::GetPixel(mDC, 0, 0); }

private:
    HBITMAP mBitmap;
    HDC mDC;
    HGDIOBJ mPrevious;
};

// A parent that counts the clicks its buttons post.
class CClickCounter : public CWnd {
public:
    int clicks = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED && lParam)
            ++clicks;
        return TRUE;
    }
};

class XpButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "xp parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
        ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &parent, kButtonId));
        ASSERT_GT(CXpButton::GetFaceWidth(), 2 * CXpButton::kCorner);
    }

    void Draw(UINT state, CXpButton& which, int width = kWidth, int height = kHeight)
    {
        canvas.Fill(kBackground);
        DrawOwnerDrawItem(parent, which, state, canvas, { 0, 0, width, height });
    }
    void Draw(UINT state) { Draw(state, button); }
    static HICON Icon(UINT id) { return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

    CClickCounter parent;
    CXpHoverButton button;
    CFaces faces;
    CMemoryCanvas canvas{ kWidth, kHeight, kBackground };
};

} // namespace

TEST_F(XpButtonTest, DrawsTheFaceOfEachStateWithSharpKeyedCorners)
{
    EXPECT_EQ(button.GetStyle() & 0x0F, static_cast<DWORD>(BS_OWNERDRAW));
    const int f = CXpButton::GetFaceWidth();
    const int h = CXpButton::GetFaceHeight();
    const int c = CXpButton::kCorner;
    const struct {
        UINT state;
        int face;
    } cases[] = {
        { 0, CXpButton::kFaceNormal },
        { ODS_FOCUS, CXpButton::kFaceFocused },
        { ODS_DEFAULT, CXpButton::kFaceDefault },
        { ODS_DEFAULT | ODS_FOCUS, CXpButton::kFaceFocused },
        { ODS_SELECTED | ODS_FOCUS, CXpButton::kFacePressed },
        { ODS_DISABLED | ODS_SELECTED | ODS_FOCUS, CXpButton::kFaceDisabled },
    };
    for (const auto& state : cases) {
        Draw(state.state);
        for (int dy = 0; dy < c; ++dy) {
            for (int dx = 0; dx < c; ++dx) {
                const POINT corners[4][2] = {
                    { { dx, dy }, { dx, dy } },
                    { { f - c + dx, dy }, { kWidth - c + dx, dy } },
                    { { dx, h - c + dy }, { dx, kHeight - c + dy } },
                    { { f - c + dx, h - c + dy }, { kWidth - c + dx, kHeight - c + dy } },
                };
                for (const auto& corner : corners) {
                    // The key is taken from face 0 for every face.
                    const bool cut = faces.Pixel(0, corner[0].x, corner[0].y) == faces.Key();
                    const COLORREF expected = cut ? kBackground : faces.Pixel(state.face, corner[0].x, corner[0].y);
                    EXPECT_EQ(canvas.Pixel(corner[1].x, corner[1].y), expected)
                        << "face " << state.face << " at " << corner[1].x << "," << corner[1].y;
                }
            }
        }
        EXPECT_EQ(canvas.Pixel(kWidth / 2, kHeight / 2), faces.Pixel(state.face, f / 2, h / 2)) << state.face;
    }
    EXPECT_EQ(canvas.Pixel(0, 0), kBackground) << "the corner shows what lies behind";

    // The window itself has the shape: its region leaves the keyed corner out.
    CRgn shape;
    shape.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(button.GetWindowRgn(shape), ERROR);
    EXPECT_FALSE(shape.PtInRegion(0, 0));
    EXPECT_TRUE(shape.PtInRegion(c, c));
    EXPECT_TRUE(button.GetStyle() & WS_CLIPSIBLINGS);

    // A button narrower than two corners shows only its corners; the bottom-right one,
    // drawn last, covers the middle: nothing is mirrored over it.
    CXpButton narrow;
    ASSERT_TRUE(narrow.Create("", WS_CHILD | WS_VISIBLE, CRect(100, 0, 106, 6), &parent, 52));
    Draw(ODS_FOCUS, narrow, 6, 6);
    for (int y = 2; y < 6; ++y) {
        for (int x = 2; x < 6; ++x) {
            const COLORREF face = faces.Pixel(CXpButton::kFaceFocused, f - 6 + x, h - 6 + y);
            if (face != faces.Key()) {
                EXPECT_EQ(canvas.Pixel(x, y), face) << x << "," << y;
            }
        }
    }
}

TEST_F(XpButtonTest, ShowsItsIconCentredAndGreyedOrItsTextInTheStateColourAndItsToolTip)
{
    button.SetIcon(Icon(IDI_FIRST));
    // The 32 x 32 icon in the client area less one pixel: x = (59 - 32 + 1 + 1) / 2.
    Draw(0);
    EXPECT_EQ(canvas.Pixel(14, 4), kRed);
    EXPECT_EQ(canvas.Pixel(45, 35), kRed);
    EXPECT_NE(canvas.Pixel(13, 20), kRed);
    EXPECT_NE(canvas.Pixel(46, 20), kRed);
    EXPECT_NE(canvas.Pixel(30, 3), kRed);

    Draw(ODS_DISABLED);
    const COLORREF grey = canvas.Pixel(30, 20);
    EXPECT_NE(grey, kRed);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));

    // A new icon is greyed anew.
    button.SetIcon(Icon(IDI_SECOND));
    Draw(ODS_DISABLED);
    EXPECT_NE(canvas.Pixel(30, 20), grey);

    button.SetIcon(nullptr);
    button.SetWindowText("MMMM");
    Draw(0);
    EXPECT_GT(canvas.Count(CXpButton::kTextColor), 0);
    EXPECT_EQ(canvas.Count(CXpButton::kDisabledTextColor), 0);
    Draw(ODS_DISABLED);
    EXPECT_GT(canvas.Count(CXpButton::kDisabledTextColor), 0);
    EXPECT_EQ(canvas.Count(CXpButton::kTextColor), 0);

    // A tool tip shows over the client area.
    button.SetTooltipText(nullptr);
    EXPECT_EQ(button.GetToolTip().m_hWnd, nullptr) << "a null text changes nothing";
    button.SetTooltipText("Convert the clip");
    CToolTipCtrl& tip = button.GetToolTip();
    ASSERT_NE(tip.m_hWnd, nullptr);
    EXPECT_EQ(tip.GetToolCount(), 1);
    EXPECT_EQ(tip.GetMaxTipWidth(), 400);
    CString text;
    tip.GetText(text, &button, CXpButton::kToolId);
    EXPECT_EQ(text, "Convert the clip");
    button.MakeTooltip("Convert now");
    tip.GetText(text, &button, CXpButton::kToolId);
    EXPECT_EQ(text, "Convert now");
    EXPECT_EQ(tip.GetToolCount(), 1);
}

TEST_F(XpButtonTest, GivesBackEveryDrawingObject)
{
    const HICON icons[] = { Icon(IDI_FIRST), Icon(IDI_SECOND), nullptr };
    button.SetWindowText("Go");
    button.SetIcon(icons[0]);
    Draw(ODS_DISABLED);
    const unsigned before = CountGdiObjects();
    const UINT states[] = { 0, ODS_FOCUS, ODS_SELECTED, ODS_DISABLED, ODS_DEFAULT };
    for (int paint = 0; paint < 1000; ++paint) {
        // Icons measured and greyed anew, and text, every few paints.
        if (paint % 10 == 0)
            button.SetIcon(icons[paint / 10 % 3]);
        Draw(states[paint % 5]);
    }
    button.SetIcon(nullptr);
    button.MoveWindow(0, 0, kWidth + 10, kHeight, TRUE);
    button.MoveWindow(0, 0, kWidth, kHeight, TRUE);
    EXPECT_EQ(CountGdiObjects(), before);
    Draw(0);
    EXPECT_EQ(canvas.Pixel(0, 0), kBackground) << "still shaped after resizing";

    // The faces are shared while any button lives, and freed with the last.
    {
        CXpButton second;
    }
    EXPECT_GT(CXpButton::GetFaceWidth(), 0) << "the fixture's button still uses them";
}

TEST_F(XpButtonTest, RepeatsItsClickWhileHeldLongerThanTheDelay)
{
    auto hover = [&] { button.SendMessage(WM_MOUSEHOVER, MK_LBUTTON, MAKELPARAM(5, 5)); };
    auto press = [&] { button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); };
    auto release = [&] { button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); };

    press();
    const ULONGLONG pressed = ::GetTickCount64();
    // Well within the delay, hovering clicks nothing.
    while (::GetTickCount64() - pressed < CXpHoverButton::kRepeatDelay * 3 / 5) {
        hover();
        PumpMessagesFor(CXpHoverButton::kHoverTime);
    }
    EXPECT_EQ(parent.clicks, 0) << "no extra click within the delay";
    EXPECT_TRUE(PumpMessagesUntil([&] {
        hover();
        return parent.clicks >= 3;
    })) << "a click at each hover once the delay has passed";
    release();
    PumpMessagesFor(20);
    const int afterRelease = parent.clicks;
    hover();
    PumpMessagesFor(20);
    EXPECT_EQ(parent.clicks, afterRelease) << "released, it repeats no more";

    // Losing the capture while held ends the repeating too.
    press();
    EXPECT_TRUE(button.IsHeld());
    parent.SetCapture();
    EXPECT_FALSE(button.IsHeld());
    ::ReleaseCapture();
}

