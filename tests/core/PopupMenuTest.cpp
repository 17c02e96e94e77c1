#include "tnwmfcut.h"

#include <gtest/gtest.h>

// What a chosen item does is the task-bar windows' to show (tests/dialogs).
TEST(PopupMenuTest, ItemsShowNewestFirst)
{
    CPopupMenu menu;
    EXPECT_FALSE(menu.IsCreated()) << "no menu before the first item";
    menu.AddItem("A", 0x8101);
    menu.AddItem("B", 0x8102);
    menu.AddItem("C", 0x8103);
    CString texts;
    for (UINT i = 0; i < menu.GetMenu().GetMenuItemCount(); ++i) {
        CString text;
        menu.GetMenu().GetMenuString(i, text, MF_BYPOSITION);
        texts += text;
    }
    EXPECT_EQ(texts, "CBA");
    EXPECT_EQ(menu.GetMenu().GetMenuItemID(0), 0x8103u);
}
