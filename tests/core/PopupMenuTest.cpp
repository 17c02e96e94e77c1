#include "MenuPicker.h"
#include "MessagePump.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

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

} // namespace

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
        MenuPicker picker;
        menu.PopupRight(&owner);
        EXPECT_TRUE(PumpMessagesUntil([&] { return owner.lastCommand != 0; }, 5000));
        EXPECT_TRUE(picker.Picked());
    }
    EXPECT_EQ(owner.lastCommand, 0x8202u) << "the top item is the one added last";
    owner.DestroyWindow();
}
