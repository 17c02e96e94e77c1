#include "UserInput.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

namespace {

const int kPromptId = 0xFFFF;

CRect RectInParent(HWND window)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

TEST(FriendlyListControl, PromptCoversTheListLessItsMarginsWhileShown)
{
    CHostWnd host;
    CFriendlyListControl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 410, 310), &host, 3));
    HWND prompt = ::GetDlgItem(list.m_hWnd, kPromptId);
    ASSERT_NE(prompt, nullptr) << "made with the list";
    EXPECT_FALSE(::IsWindowVisible(prompt));

    CRect client;
    list.GetClientRect(&client);
    client.DeflateRect(32, 32);
    EXPECT_EQ(RectInParent(prompt), client);
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(prompt, WM_GETFONT, 0, 0)),
              static_cast<HFONT>(UDrawingUtils::GetFont()->GetSafeHandle()));

    list.ShowPrompt("Drop files here");
    EXPECT_TRUE(::IsWindowVisible(prompt));
    char text[64] = {};
    ::GetWindowTextA(prompt, text, sizeof text);
    EXPECT_STREQ(text, "Drop files here");

    list.MoveWindow(10, 10, 300, 200);
    list.GetClientRect(&client);
    client.DeflateRect(32, 32);
    EXPECT_EQ(RectInParent(prompt), client) << "the prompt follows the list's size";

    list.ShowPrompt("");
    EXPECT_FALSE(::IsWindowVisible(prompt));
    list.ShowPrompt("again");
    list.ShowPrompt(nullptr);
    EXPECT_FALSE(::IsWindowVisible(prompt));

    list.DestroyWindow();
    EXPECT_FALSE(::IsWindow(prompt));
}

TEST(FriendlyListControl, PromptPaintsOnWhite)
{
    CHostWnd host;
    CFriendlyListControl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &host, 3));
    list.SetBkColor(RGB(0, 0, 128));
    list.ShowPrompt("Nothing to show");
    CWnd* prompt = list.GetDlgItem(kPromptId);
    ASSERT_NE(prompt, nullptr);
    CRect area;
    prompt->GetClientRect(&area);

    CClientDC screen(nullptr);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, area.Width(), area.Height()));
    CBitmap* previous = memory.SelectObject(&bitmap);
    prompt->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.GetSafeHdc()), PRF_CLIENT | PRF_ERASEBKGND);
    // The text starts at the top left in whatever font the machine has: the bottom corners
    // are background whatever it draws.
    EXPECT_EQ(memory.GetPixel(1, area.bottom - 2), RGB(255, 255, 255));
    EXPECT_EQ(memory.GetPixel(area.right - 2, area.bottom - 2), RGB(255, 255, 255));
    memory.SelectObject(previous);
}
