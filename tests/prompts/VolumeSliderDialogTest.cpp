#include "DialogDriver.h"

#include "tnwmfcut.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

const char* const kTitle = "Volume";

HWND Slider(HWND dialog)
{
    return ::GetDlgItem(dialog, IDC_TNW_VOLUME);
}

int Position(HWND dialog)
{
    return static_cast<int>(::SendMessageA(Slider(dialog), TBM_GETPOS, 0, 0));
}

// Mouse input as the system delivers it while the slider holds the capture: posted to the
// slider, in its client coordinates, wherever on the screen the mouse is.
void PostMouse(HWND dialog, UINT message, int x, int y)
{
    ::PostMessageA(Slider(dialog), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

POINT ThumbCentre(HWND dialog)
{
    RECT thumb = {};
    ::SendMessageA(Slider(dialog), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    return { (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2 };
}

RECT WindowRect(HWND dialog)
{
    RECT rect = {};
    ::GetWindowRect(dialog, &rect);
    return rect;
}

// The button that opens the slider, somewhere on the screen.
class VolumeButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(button.CreateEx(0, "BUTTON", "Vol", WS_POPUP | WS_VISIBLE, 120, 200, 60, 24, nullptr, nullptr));
    }
    void TearDown() override { button.DestroyWindow(); }

    CWnd button;
};

} // namespace

// Declared first: the shared rectangle is still the screen origin only before the first
// anchored prompt of the program.
TEST(VolumeSlider, WithoutAnchorItOpensAtTheOriginAndAReleaseOutsideCancels)
{
    unsigned char volume = 40;
    EXPECT_FALSE(CVolumeSliderDialog::Prompt(nullptr, volume));

    RECT where = {};
    int position = -1;
    bool captured = false;
    CDialogDriver driver(kTitle, [&](HWND dialog) {
        where = WindowRect(dialog);
        position = Position(dialog);
        GUITHREADINFO info = { sizeof info };
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info);
        captured = info.hwndCapture == Slider(dialog);
        // A click far below the pop-up: the press must not page the slider.
        PostMouse(dialog, WM_LBUTTONDOWN, 10, 2000);
        PostMouse(dialog, WM_LBUTTONUP, 10, 2000);
    });
    EXPECT_FALSE(CVolumeSliderDialog::Prompt(volume));
    ASSERT_TRUE(driver.Acted());
    EXPECT_FALSE(driver.LeftOpen()) << "the release outside ended the prompt";
    EXPECT_EQ(where.left, 0);
    EXPECT_EQ(where.top, 0);
    EXPECT_EQ(position, 60) << "top is loud";
    EXPECT_TRUE(captured);
    EXPECT_EQ(volume, 40);
}

TEST_F(VolumeButton, DraggingTheThumbSetsTheVolumeBesideTheButton)
{
    CRect anchor;
    button.GetClientRect(&anchor);
    button.ClientToScreen(&anchor);

    RECT where = {};
    CDialogDriver driver(kTitle, [&](HWND dialog) {
        where = WindowRect(dialog);
        const POINT thumb = ThumbCentre(dialog);
        PostMouse(dialog, WM_LBUTTONDOWN, thumb.x, thumb.y);
        PostMouse(dialog, WM_MOUSEMOVE, thumb.x, thumb.y + 30);
        // Released below the pop-up: a drag may end anywhere.
        PostMouse(dialog, WM_LBUTTONUP, thumb.x, 2000);
    });
    unsigned char volume = 80;
    EXPECT_TRUE(CVolumeSliderDialog::Prompt(&button, volume));
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(where.left, anchor.right);
    EXPECT_EQ(where.top, anchor.top);
    EXPECT_LT(volume, 80) << "dragged down is quieter";
}

TEST_F(VolumeButton, KeyboardAndOutOfRangeVolumes)
{
    CDialogDriver keys(kTitle, [](HWND dialog) {
        for (int i = 0; i < 5; ++i)
            ::PostMessageA(Slider(dialog), WM_KEYDOWN, VK_UP, 0);
        ::PostMessageA(Slider(dialog), WM_KEYDOWN, VK_RETURN, 0);
    });
    unsigned char volume = 30;
    EXPECT_TRUE(CVolumeSliderDialog::Prompt(&button, volume));
    ASSERT_TRUE(keys.Acted());
    EXPECT_EQ(volume, 35) << "each step up is one louder";

    int position = -1;
    CDialogDriver escape(kTitle, [&](HWND dialog) {
        position = Position(dialog);
        ::PostMessageA(Slider(dialog), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    volume = 200;
    EXPECT_FALSE(CVolumeSliderDialog::Prompt(&button, volume));
    ASSERT_TRUE(escape.Acted());
    EXPECT_EQ(position, 0) << "louder than loudest starts at the top";
    EXPECT_EQ(volume, 200);
}
