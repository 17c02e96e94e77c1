#include "MessagePump.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

CString ItemText(CPopupMenu& menu, int position)
{
    CString text;
    menu.GetMenu().GetMenuString(position, text, MF_BYPOSITION);
    return text;
}

// The window that receives the menu's commands.
class CCommandSink : public CWnd {
public:
    UINT lastCommand = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        lastCommand = LOWORD(wParam);
        return TRUE;
    }
};

// Picks the top item of the pop-up menu that the test's thread shows, as a person would
// with the keyboard.
class CMenuPicker {
public:
    CMenuPicker() : mThread([this] { Pick(); }) {}
    ~CMenuPicker() { mThread.join(); }
    bool Picked() const { return mPicked; }

private:
    void Pick()
    {
        const ULONGLONG deadline = ::GetTickCount64() + 5000;
        while (::GetTickCount64() < deadline) {
            HWND menu = ::FindWindowA("#32768", nullptr);
            if (menu && ::IsWindowVisible(menu)) {
                ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
                ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
                mPicked = true;
                return;
            }
            ::Sleep(20);
        }
    }

    std::atomic<bool> mPicked{false};
    std::thread mThread;
};

TEST(PopupMenuTest, ItemsShowInTheReverseOrderOfAdding)
{
    CPopupMenu menu;
    EXPECT_FALSE(menu.IsCreated());
    menu.AddItem("A", 0x8101);
    menu.AddItem("B", 0x8102);
    menu.AddItem("C", 0x8103);
    ASSERT_TRUE(menu.IsCreated());
    ASSERT_EQ(menu.GetMenu().GetMenuItemCount(), 3u);
    EXPECT_EQ(ItemText(menu, 0), "C");
    EXPECT_EQ(ItemText(menu, 1), "B");
    EXPECT_EQ(ItemText(menu, 2), "A");
    EXPECT_EQ(menu.GetMenu().GetMenuItemID(2), 0x8101u);
}

TEST(PopupMenuTest, PopsUpOnlyWithItemsAndSendsTheChosenCommandToTheOwner)
{
    CCommandSink owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "menu owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                               nullptr, nullptr));
    CPopupMenu menu;
    menu.PopupRight(&owner);
    EXPECT_FALSE(menu.IsCreated()) << "an empty menu shows nothing and returns at once";

    menu.AddItem("Quit", 0x8201);
    menu.AddItem("Show", 0x8202);
    {
        CMenuPicker picker;
        menu.PopupRight(&owner);
        EXPECT_TRUE(PumpMessagesUntil([&] { return owner.lastCommand != 0; }, 5000));
        EXPECT_TRUE(picker.Picked());
    }
    EXPECT_EQ(owner.lastCommand, 0x8202u) << "the top item is the one added last";
    owner.DestroyWindow();
}

} // namespace
