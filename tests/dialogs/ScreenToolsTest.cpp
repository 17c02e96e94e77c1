#include "dialogs/BitmapCapture.h"
#include "dialogs/DesktopDialog.h"
#include "dialogs/DesktopDrag.h"
#include "dialogs/WindowPicker.h"

#include "GdiObjectCount.h"
#include "HeardBroadcasts.h"
#include "MemoryCanvas.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

const UINT kStealCapture = WM_APP + 1;

LPARAM At(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// Runs the dialog with a script of mouse and key messages that it posts itself once it
// is open, as a person would work it; kStealCapture lets another window take the mouse.
class CScriptedDesktopDialog : public CDesktopDialog {
public:
    struct Step {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Step> script;
    HCURSOR cursorWhileOpen = nullptr;
    bool capturedWhileOpen = false;
    CWnd* thief = nullptr;

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = CDesktopDialog::OnInitDialog();
        cursorWhileOpen = ::GetCursor();
        capturedWhileOpen = ::GetCapture() == m_hWnd;
        for (const Step& step : script)
            PostMessage(step.message, step.wParam, step.lParam);
        return result;
    }

    afx_msg LRESULT OnStealCapture(WPARAM, LPARAM)
    {
        thief->SetCapture();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScriptedDesktopDialog, CDesktopDialog)
    ON_MESSAGE(kStealCapture, OnStealCapture)
END_MESSAGE_MAP()

// What DoModal returned, then the selected area's left, top, width and height.
using Selection = std::array<INT_PTR, 5>;

class DesktopDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(thief.CreateEx(0, nullptr, "thief", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
        screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
        screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
        cursor = ::GetCursor();
    }

    Selection Run(std::vector<CScriptedDesktopDialog::Step> script, HWND captureAfter = nullptr)
    {
        CScriptedDesktopDialog dialog;
        dialog.script = std::move(script);
        dialog.thief = &thief;
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(dialog.cursorWhileOpen, ::LoadCursorA(nullptr, IDC_SIZEALL));
        EXPECT_TRUE(dialog.capturedWhileOpen);
        EXPECT_EQ(::GetCapture(), captureAfter) << "the capture is given back";
        EXPECT_EQ(::GetCursor(), cursor) << "the cursor is given back";
        EXPECT_FALSE(dialog.IsTracking());
        return { result, dialog.GetX(), dialog.GetY(), dialog.GetWidth(), dialog.GetHeight() };
    }

    Selection Screen(INT_PTR result) const { return { result, 0, 0, screenWidth, screenHeight }; }

    CWnd thief;
    int screenWidth = 0;
    int screenHeight = 0;
    HCURSOR cursor = nullptr;
};

} // namespace

TEST_F(DesktopDialogTest, SelectsTheDraggedAreaNormalisedAndWithinTheScreenOrElseTheWholeScreen)
{
    Run({ { WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10) },
          { WM_MOUSEMOVE, MK_LBUTTON, At(5, 5) },
          { WM_LBUTTONUP, 0, At(20, 20) } });
    const unsigned before = CountGdiObjects();
    // Dragged up and to the left.
    EXPECT_EQ(Run({ { WM_LBUTTONDOWN, MK_LBUTTON, At(300, 200) },
                    { WM_MOUSEMOVE, MK_LBUTTON, At(200, 100) },
                    { WM_LBUTTONUP, 0, At(100, 50) } }),
              (Selection{ IDOK, 100, 50, 200, 150 }));
    // Beyond the screen's edges, on either side.
    EXPECT_EQ(Run({ { WM_LBUTTONDOWN, MK_LBUTTON, At(screenWidth - 24, screenHeight - 68) },
                    { WM_LBUTTONUP, 0, At(screenWidth + 500, screenHeight + 500) } }),
              (Selection{ IDOK, screenWidth - 24, screenHeight - 68, 24, 68 }));
    EXPECT_EQ(Run({ { WM_LBUTTONDOWN, MK_LBUTTON, At(40, 30) },
                    { WM_MOUSEMOVE, MK_LBUTTON, At(-5000, 20) },
                    { WM_LBUTTONUP, 0, At(-50, -30) } }),
              (Selection{ IDOK, 0, 0, 40, 30 }));
    // A second press while dragging keeps the drag.
    EXPECT_EQ(Run({ { WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10) },
                    { WM_LBUTTONDOWN, MK_LBUTTON, At(500, 500) },
                    { WM_LBUTTONUP, 0, At(20, 30) } }),
              (Selection{ IDOK, 10, 10, 10, 20 }));
    EXPECT_EQ(CountGdiObjects(), before) << "screenshots, bands and their device contexts are given back";

    // An end without a rectangle keeps the whole screen.
    EXPECT_EQ(Run({ { WM_LBUTTONUP, 0, At(100, 100) } }), Screen(IDOK)) << "released without a press";
    EXPECT_EQ(Run({ { WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50) }, { WM_LBUTTONUP, 0, At(50, 50) } }), Screen(IDOK))
        << "a click without a drag";
    EXPECT_EQ(Run({ { WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50) },
                    { WM_MOUSEMOVE, MK_LBUTTON, At(80, 90) },
                    { WM_KEYDOWN, VK_ESCAPE, 0 } }),
              Screen(IDCANCEL))
        << "Escape during a drag";
    EXPECT_EQ(Run({ { WM_LBUTTONDOWN, MK_LBUTTON, At(50, 50) },
                    { WM_MOUSEMOVE, MK_LBUTTON, At(80, 90) },
                    { kStealCapture, 0, 0 },
                    { WM_LBUTTONUP, 0, At(90, 90) } },
                  thief.m_hWnd),
              Screen(IDOK))
        << "a drag whose capture another window took is dropped";
    ::ReleaseCapture();
}

TEST(DesktopDrag, DragsABandOverTheDesktopWhileTracking)
{
    CDesktopDrag drag;
    ASSERT_TRUE(drag.CreateEx(0, nullptr, "drag", WS_POPUP, 100, 100, 50, 50, nullptr, nullptr));
    drag.StartTracking();
    EXPECT_TRUE(drag.IsTracking());
    EXPECT_EQ(::GetCapture(), drag.m_hWnd);

    drag.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(40, 40));
    drag.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(30, 20)); // starts anew
    drag.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(0, 0));
    drag.SendMessage(WM_LBUTTONUP, 0, At(-10, 5));
    EXPECT_EQ(drag.GetSelection(), CRect(90, 105, 130, 120));
    EXPECT_FALSE(drag.IsTracking());
    EXPECT_EQ(::GetCapture(), nullptr);

    drag.StartTracking();
    drag.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(1, 1));
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    other.SetCapture();
    EXPECT_FALSE(drag.IsTracking()) << "another window took the mouse";
    drag.SendMessage(WM_LBUTTONUP, 0, At(9, 9));
    EXPECT_EQ(drag.GetSelection(), CRect(90, 105, 130, 120)) << "the dropped drag selects nothing";
    ::ReleaseCapture();
}

namespace {

// A picker over a target, both in a topmost window near the screen's lower right corner,
// out of the way of other programs' windows.
class WindowPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(WS_EX_TOPMOST, nullptr, "picker parent", WS_POPUP, kLeft, kTop, 300, 200, nullptr,
                                    nullptr));
        // Shown without taking the activation from other programs' windows.
        parent.ShowWindow(SW_SHOWNOACTIVATE);
        ASSERT_TRUE(picker.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 60), &parent, 61));
        ASSERT_TRUE(target.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(100, 50, 250, 150), &parent, 62));
        picker.AddListener(&listener);
        cursor = ::GetCursor();
    }

    // A point of the screen as the picker's client coordinates.
    LPARAM FromScreen(int x, int y)
    {
        CPoint point(x, y);
        picker.ScreenToClient(&point);
        return At(point.x, point.y);
    }

    static const int kLeft = 600;
    static const int kTop = 400;
    CWnd parent;
    CWindowPicker picker;
    CEdit target;
    CHeardBroadcasts listener;
    HCURSOR cursor = nullptr;
};

} // namespace

TEST_F(WindowPickerTest, PicksTheWindowUnderThePointerOnReleaseOutliningAllButMaximisedOnesAndNothingOnALostCapture)
{
    ASSERT_NE(picker.GetIcon(), nullptr);
    ASSERT_NE(picker.GetCursor(), nullptr);
    picker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_TRUE(picker.IsTracking());
    EXPECT_EQ(::GetCapture(), picker.m_hWnd);
    EXPECT_EQ(::GetCursor(), picker.GetCursor());

    picker.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, FromScreen(kLeft + 150, kTop + 100));
    EXPECT_EQ(picker.GetPickedWindow(), target.m_hWnd);
    EXPECT_TRUE(picker.IsOutlining());
    EXPECT_TRUE(listener.codes.empty()) << "nothing is picked before the release";

    picker.SendMessage(WM_LBUTTONUP, 0, FromScreen(kLeft + 200, kTop + 120));
    EXPECT_EQ(listener.codes, std::vector<long>{ CWindowPicker::kWindowPicked });
    EXPECT_EQ(listener.senders, std::vector<const void*>{ &picker });
    EXPECT_EQ(picker.GetPickedWindow(), target.m_hWnd);
    EXPECT_FALSE(picker.IsTracking());
    EXPECT_FALSE(picker.IsOutlining());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(::GetCursor(), cursor);

    const COLORREF background = RGB(0, 128, 0);
    CMemoryCanvas canvas(50, 50, background);
    picker.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.DC().m_hDC), PRF_CLIENT);
    const COLORREF light = CWindowPicker::kLightEdge, dark = CWindowPicker::kDarkEdge;
    EXPECT_EQ((std::vector<COLORREF>{ canvas.Pixel(0, 0), canvas.Pixel(0, 48), canvas.Pixel(48, 0), canvas.Pixel(49, 49),
                                      canvas.Pixel(49, 1), canvas.Pixel(1, 49) }),
              (std::vector<COLORREF>{ light, light, light, dark, dark, dark }));
    // The icon's 32 x 32 pixels start at (9, 9): its middle is the target's red dot, its
    // corners are transparent.
    EXPECT_EQ(canvas.Pixel(25, 25), RGB(200, 30, 30));
    EXPECT_EQ(canvas.Pixel(9, 9), background);
    EXPECT_EQ(canvas.Pixel(8, 25), background);

    // A lost capture ends tracking without a pick, and gives back what tracking took.
    listener.Forget();
    delete new CWindowPicker;
    const unsigned before = CountGdiObjects();
    picker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    picker.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, FromScreen(kLeft + 150, kTop + 100));
    parent.SetCapture();
    EXPECT_FALSE(picker.IsTracking());
    EXPECT_FALSE(picker.IsOutlining());
    EXPECT_EQ(::GetCursor(), cursor);
    picker.SendMessage(WM_LBUTTONUP, 0, FromScreen(kLeft + 150, kTop + 100));
    EXPECT_TRUE(listener.codes.empty());
    ::ReleaseCapture();
    EXPECT_EQ(CountGdiObjects(), before);

    // Its icon and cursor go with the picker.
    for (int picker = 0; picker < 5; ++picker)
        CWindowPicker another;
    EXPECT_EQ(CountGdiObjects(), before);

    // A maximised window is picked without an outline.
    CWnd maximised;
    ASSERT_TRUE(maximised.CreateEx(WS_EX_TOPMOST, nullptr, "maximised", WS_POPUP | WS_MAXIMIZE, 0, 0, 100, 100,
                                   nullptr, nullptr));
    picker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    picker.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, FromScreen(kLeft + 150, kTop + 100));
    EXPECT_TRUE(picker.IsOutlining());
    maximised.SetWindowPos(nullptr, 0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ASSERT_TRUE(maximised.IsZoomed());
    const int x = ::GetSystemMetrics(SM_CXSCREEN) - 5;
    const int y = ::GetSystemMetrics(SM_CYSCREEN) - 5;
    picker.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, FromScreen(x, y));
    EXPECT_EQ(picker.GetPickedWindow(), maximised.m_hWnd);
    EXPECT_FALSE(picker.IsOutlining());
    picker.SendMessage(WM_LBUTTONUP, 0, FromScreen(x, y));
    EXPECT_EQ(picker.GetPickedWindow(), maximised.m_hWnd);
    EXPECT_EQ(listener.codes.size(), 1u);
}

TEST(BitmapCapture, MakesABitmapOfAFrameOrNoneForAFrameItCannotRead)
{
    // Two rows of three 24-bit pixels, each row padded to 12 bytes: blue, green, red.
    const unsigned char frame[] = { 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0,
                                    10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 0, 0 };
    CBitmapCapture capture;
    std::unique_ptr<CBitmap> bitmap(capture.MakeBitmap(frame, CVideoConverter::kColorRgb24, 3, 2));
    ASSERT_NE(bitmap, nullptr);
    BITMAP layout = {};
    bitmap->GetBitmap(&layout);
    EXPECT_EQ(CSize(layout.bmWidth, layout.bmHeight), CSize(3, 2));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* previous = dc.SelectObject(bitmap.get());
    EXPECT_EQ((std::vector<COLORREF>{ dc.GetPixel(0, 0), dc.GetPixel(1, 0), dc.GetPixel(2, 0), dc.GetPixel(2, 1) }),
              (std::vector<COLORREF>{ RGB(0, 0, 255), RGB(0, 255, 0), RGB(255, 0, 0), RGB(90, 80, 70) }));
    dc.SelectObject(previous);

    EXPECT_EQ(capture.MakeBitmap(frame, 999, 3, 2), nullptr) << "a colour format not known";
    EXPECT_EQ(capture.MakeBitmap(nullptr, CVideoConverter::kColorRgb24, 3, 2), nullptr);
    EXPECT_EQ(capture.MakeBitmap(frame, CVideoConverter::kColorRgb24, 0, 2), nullptr);
}
