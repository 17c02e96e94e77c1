#include "MemoryCanvas.h"
#include "UserInput.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

TEST(FriendlyListControl, PromptCoversTheListLessItsMarginsOnWhite)
{
    CHostWnd host;
    CFriendlyListControl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 410, 310), &host, 3));
    list.SetBkColor(RGB(0, 0, 128));
    CWnd* prompt = list.GetDlgItem(0xFFFF);
    ASSERT_NE(prompt, nullptr) << "made with the list";
    EXPECT_FALSE(prompt->IsWindowVisible());
    EXPECT_EQ(prompt->GetFontHandle(), static_cast<HFONT>(UDrawingUtils::GetFont()->GetSafeHandle()));

    list.ShowPrompt("Nothing to show");
    EXPECT_TRUE(prompt->IsWindowVisible());
    list.MoveWindow(10, 10, 300, 200);
    CRect client, area;
    list.GetClientRect(&client);
    client.DeflateRect(32, 32);
    prompt->GetWindowRect(&area);
    list.ScreenToClient(&area);
    EXPECT_EQ(area, client) << "the prompt follows the list's size";

    prompt->GetClientRect(&area);
    CMemoryCanvas printed(area.Width(), area.Height(), RGB(0, 0, 0));
    prompt->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.DC().GetSafeHdc()), PRF_CLIENT | PRF_ERASEBKGND);
    // The text starts at the top left in whatever font the machine has: the bottom corners
    // are background whatever it draws.
    EXPECT_EQ(printed.Pixel(1, area.bottom - 2), RGB(255, 255, 255));
    EXPECT_EQ(printed.Pixel(area.right - 2, area.bottom - 2), RGB(255, 255, 255));

    list.ShowPrompt(nullptr);
    EXPECT_FALSE(prompt->IsWindowVisible());
    const HWND window = prompt->m_hWnd;
    list.DestroyWindow();
    EXPECT_FALSE(::IsWindow(window));
}
