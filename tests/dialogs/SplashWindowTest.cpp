#include "MessagePump.h"
#include "OwnWindows.h"

#include "res/resource.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>

namespace {

HWND SplashWindow()
{
    return FindOwnWindow(nullptr, "Splash");
}

// What a splash window did before it went away.
struct SSplashRecord {
    bool destroyed = false;
    UINT_PTR timerWhenDestroyed = 1;
    bool freed = false;
};

class CProbeSplash : public CSplashWindow {
public:
    explicit CProbeSplash(SSplashRecord& record) : mRecord(record) {}

    BOOL DestroyWindow() override
    {
        mRecord.destroyed = true;
        mRecord.timerWhenDestroyed = GetTimer();
        return CSplashWindow::DestroyWindow();
    }

protected:
    void PostNcDestroy() override
    {
        mRecord.freed = true;
        CSplashWindow::PostNcDestroy();
    }

private:
    SSplashRecord& mRecord;
};

TEST(SplashWindowTest, AClickClosesItAtOnceWithItsTimerKilled)
{
    SSplashRecord record;
    auto* splash = new CProbeSplash(record);
    ASSERT_TRUE(splash->Splash(IDB_SPLASH, 60));
    HWND window = splash->m_hWnd;
    EXPECT_EQ(SplashWindow(), window);
    EXPECT_EQ(splash->GetTimer(), static_cast<UINT_PTR>(CSplashWindow::kTimerId));

    ::SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(record.destroyed);
    EXPECT_EQ(record.timerWhenDestroyed, 0u) << "the timer is killed before the window goes";
    EXPECT_TRUE(record.freed) << "the splash window frees itself";
    EXPECT_FALSE(::IsWindow(window));
    PumpMessagesFor(200);
}

TEST(SplashWindowTest, ItClosesByItselfWhenItsTimeIsUp)
{
    SSplashRecord record;
    ASSERT_TRUE((new CProbeSplash(record))->Splash(IDB_SPLASH, 1));
    EXPECT_FALSE(record.destroyed);
    EXPECT_TRUE(PumpMessagesUntil([&] { return record.freed; }, 4000));
    EXPECT_EQ(record.timerWhenDestroyed, 0u);
    EXPECT_EQ(SplashWindow(), nullptr);
}

TEST(SplashWindowTest, OtherTimersDoNotCloseIt)
{
    SSplashRecord record;
    auto* splash = new CProbeSplash(record);
    ASSERT_TRUE(splash->Splash(IDB_SPLASH, 60));
    splash->SendMessage(WM_TIMER, CSplashWindow::kTimerId + 1);
    EXPECT_FALSE(record.destroyed);
    splash->SendMessage(WM_TIMER, CSplashWindow::kTimerId);
    EXPECT_TRUE(record.freed);
}

TEST(SplashWindowTest, ThePictureDecidesSizeAndPlace)
{
    ASSERT_TRUE(CSplashWindow::DefaultSplash());
    HWND splash = SplashWindow();
    ASSERT_NE(splash, nullptr);
    RECT rect = {};
    ::GetWindowRect(splash, &rect);
    RECT desktop = {};
    ::GetClientRect(::GetDesktopWindow(), &desktop);
    EXPECT_EQ(rect.right - rect.left, 320);
    EXPECT_EQ(rect.bottom - rect.top, 200);
    EXPECT_EQ(rect.left, (desktop.right - 320 - desktop.left) / 2);
    EXPECT_EQ(rect.top, (desktop.bottom - desktop.top - 200) / 2);

    const LONG style = ::GetWindowLongA(splash, GWL_STYLE);
    const LONG exStyle = ::GetWindowLongA(splash, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(style & WS_BORDER);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_CLIENTEDGE);
    ::SendMessageA(splash, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(SplashWindow(), nullptr);
}

TEST(SplashWindowTest, WithoutAPictureNothingShows)
{
    EXPECT_FALSE(CSplashWindow::SplashWindow(0, 2));
    EXPECT_FALSE(CSplashWindow::SplashWindow(4321, 2));
    EXPECT_EQ(SplashWindow(), nullptr);
}

} // namespace
