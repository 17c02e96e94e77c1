#include "controls/IconButtonFlasher.h"

#include "MessagePump.h"
#include "OwnWindows.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

class IconButtonFlasherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
        ASSERT_TRUE(button.Create("", WS_VISIBLE | BS_ICON, CRect(0, 0, 40, 40), &parent, 3));
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
    }

    static HICON Icon(UINT id) { return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

    CWnd parent;
    CButton button;
    const HICON first = Icon(IDI_FIRST);
    const HICON second = Icon(IDI_SECOND);
};

} // namespace

TEST_F(IconButtonFlasherTest, AlternatesTheButtonsIconOnTheTimerAndStopsOnTheFirstOrWhenDestroyed)
{
    {
        CIconButtonFlasher active;
        active.SetButton(&button);
        active.Activate(true);
        EXPECT_NE(FindOwnWindow(nullptr, "Timers"), nullptr);
    }
    EXPECT_EQ(FindOwnWindow(nullptr, "Timers"), nullptr) << "no timer is left active";

    CIconButtonFlasher flasher;
    flasher.SetIcons(IDI_FIRST, IDI_SECOND);
    EXPECT_EQ(flasher.GetCurrent(), nullptr) << "no button to show it on yet";
    flasher.SetButton(&button);
    EXPECT_EQ(button.GetIcon(), first);
    EXPECT_EQ(flasher.GetCurrent(), first);

    flasher.Flash();
    EXPECT_EQ(button.GetIcon(), second);
    flasher.Flash();
    EXPECT_EQ(button.GetIcon(), first);
    EXPECT_FALSE(flasher.ListenToMessage(12345, nullptr, nullptr));
    EXPECT_EQ(button.GetIcon(), first);

    flasher.Activate(true);
    EXPECT_TRUE(PumpMessagesUntil([&] { return button.GetIcon() == second; }, 3000));
    EXPECT_TRUE(PumpMessagesUntil([&] { return button.GetIcon() == first; }, 3000));
    EXPECT_TRUE(PumpMessagesUntil([&] { return button.GetIcon() == second; }, 3000));

    flasher.Activate(false);
    EXPECT_EQ(button.GetIcon(), first);
    PumpMessagesFor(700);
    EXPECT_EQ(button.GetIcon(), first) << "stopped";

    CIconButtonFlasher withoutButton;
    withoutButton.SetIcons(IDI_FIRST, IDI_SECOND);
    withoutButton.SetCurrent(second);
    withoutButton.Flash();
    EXPECT_EQ(withoutButton.GetCurrent(), nullptr);
}
