#include "res/resource.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>

namespace {

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

// Where it shows and how long is the start-up's to check (tests/app): here, how it goes.
TEST(SplashWindowTest, AClickClosesItAtOnceWithItsTimerKilledAndNoPictureShowsNothing)
{
    SSplashRecord record;
    auto* splash = new CProbeSplash(record);
    ASSERT_TRUE(splash->Splash(IDB_SPLASH, 60));
    HWND window = splash->m_hWnd;
    EXPECT_EQ(splash->GetTimer(), static_cast<UINT_PTR>(CSplashWindow::kTimerId));
    EXPECT_FALSE(splash->GetStyle() & WS_BORDER);
    EXPECT_FALSE(splash->GetExStyle() & WS_EX_CLIENTEDGE);

    splash->SendMessage(WM_TIMER, CSplashWindow::kTimerId + 1);
    EXPECT_FALSE(record.destroyed) << "other timers do not close it";
    ::SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(record.destroyed);
    EXPECT_EQ(record.timerWhenDestroyed, 0u) << "the timer is killed before the window goes";
    EXPECT_TRUE(record.freed) << "the splash window frees itself";
    EXPECT_FALSE(::IsWindow(window));

    // Without a picture nothing shows, and the window object is freed all the same.
    for (unsigned int bitmap : {0u, 4321u}) {
        SSplashRecord none;
        EXPECT_FALSE((new CProbeSplash(none))->Splash(bitmap, 2));
        EXPECT_TRUE(none.freed) << "bitmap " << bitmap;
    }
}

} // namespace
