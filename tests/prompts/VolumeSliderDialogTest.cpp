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

// Where the pop-up is and where its slider stands when it opens.
struct SOpened {
    RECT where = {};
    int position = -1;
    void Look(HWND dialog)
    {
        ::GetWindowRect(dialog, &where);
        position = static_cast<int>(::SendMessageA(Slider(dialog), TBM_GETPOS, 0, 0));
    }
};

// Mouse input as the system delivers it while the slider holds the capture: posted to the
// slider, in its client coordinates, wherever on the screen the mouse is.
void PostMouse(HWND dialog, UINT message, int x, int y)
{
    ::PostMessageA(Slider(dialog), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

} // namespace

// Declared first: the shared rectangle is still the screen origin only before the first
// anchored prompt of the program.
TEST(VolumeSlider, WithoutAnchorItOpensAtTheOriginAndAReleaseOutsideCancelsBesideItsButtonTheThumbSetsIt)
{
    unsigned char volume = 40;
    EXPECT_FALSE(CVolumeSliderDialog::Prompt(nullptr, volume));

    SOpened opened;
    bool captured = false;
    CDialogDriver driver(kTitle, [&](HWND dialog) {
        opened.Look(dialog);
        captured = CDialogDriver::Capture(dialog) == Slider(dialog);
        // A click far below the pop-up: the press must not page the slider.
        PostMouse(dialog, WM_LBUTTONDOWN, 10, 2000);
        PostMouse(dialog, WM_LBUTTONUP, 10, 2000);
    });
    EXPECT_FALSE(CVolumeSliderDialog::Prompt(volume));
    ASSERT_TRUE(driver.Acted());
    EXPECT_FALSE(driver.LeftOpen()) << "the release outside ended the prompt";
    EXPECT_EQ(opened.where.left, 0);
    EXPECT_EQ(opened.where.top, 0);
    EXPECT_EQ(opened.position, 60) << "top is loud";
    EXPECT_TRUE(captured);
    EXPECT_EQ(volume, 40);

    // Beside its button, the thumb sets the volume.
    CWnd button;
    ASSERT_TRUE(button.CreateEx(0, "BUTTON", "Vol", WS_POPUP | WS_VISIBLE, 120, 200, 60, 24, nullptr, nullptr));
    CRect anchor;
    button.GetClientRect(&anchor);
    button.ClientToScreen(&anchor);

    CDialogDriver drag(kTitle, [&](HWND dialog) {
        opened.Look(dialog);
        RECT thumb = {};
        ::SendMessageA(Slider(dialog), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        const int x = (thumb.left + thumb.right) / 2;
        const int y = (thumb.top + thumb.bottom) / 2;
        PostMouse(dialog, WM_LBUTTONDOWN, x, y);
        PostMouse(dialog, WM_MOUSEMOVE, x, y + 30);
        // Released below the pop-up: a drag may end anywhere.
        PostMouse(dialog, WM_LBUTTONUP, x, 2000);
    });
    volume = 80;
    EXPECT_TRUE(CVolumeSliderDialog::Prompt(&button, volume));
    ASSERT_TRUE(drag.Acted());
    EXPECT_EQ(opened.where.left, anchor.right);
    EXPECT_EQ(opened.where.top, anchor.top);
    EXPECT_LT(volume, 80) << "dragged down is quieter";

    // Louder than loudest starts at the top, and Enter takes the slider's position.
    CDialogDriver enter(kTitle, [&](HWND dialog) {
        opened.Look(dialog);
        ::PostMessageA(Slider(dialog), WM_KEYDOWN, VK_RETURN, 0);
    });
    volume = 200;
    EXPECT_TRUE(CVolumeSliderDialog::Prompt(&button, volume));
    ASSERT_TRUE(enter.Acted());
    EXPECT_EQ(opened.position, 0);
    EXPECT_EQ(volume, 100);
    button.DestroyWindow();
}

