#include "util/WaitCursor.h"
#include "util/WindowUpdate.h"

#include "TestApp.h"

#include <gtest/gtest.h>

TEST(StWaitCursor, ShowsTheWaitCursorAndGivesTheEarlierOneBack)
{
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    ::SetCursor(arrow);
    {
        StWaitCursor wait;
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_WAIT));
    }
    EXPECT_EQ(::GetCursor(), arrow);
}

TEST(StWindowUpdate, OnlyTheGuardThatFrozeAWindowThawsIt)
{
    CWnd first, second;
    ASSERT_TRUE(first.CreateEx(0, nullptr, "first", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    ASSERT_TRUE(second.CreateEx(0, nullptr, "second", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    {
        StWindowUpdate outer(&first);
        EXPECT_EQ(outer.GetLockedWindow(), &first);
        {
            StWindowUpdate inner(&second);
            EXPECT_EQ(inner.GetLockedWindow(), nullptr) << "Windows freezes one window at a time";
        }
        EXPECT_FALSE(::LockWindowUpdate(second.m_hWnd)) << "the first window is still frozen";
    }
    EXPECT_TRUE(::LockWindowUpdate(second.m_hWnd)) << "and thawed with its guard";
    ::LockWindowUpdate(nullptr);
}

TEST(StWindowUpdate, WithoutAWindowFreezesTheMainWindow)
{
    {
        StWindowUpdate none;
        EXPECT_EQ(none.GetLockedWindow(), nullptr) << "no main window";
    }
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, nullptr, "main", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    TestApp().m_pMainWnd = &main;
    {
        StWindowUpdate frozen;
        EXPECT_EQ(frozen.GetLockedWindow(), &main);
    }
    TestApp().m_pMainWnd = nullptr;
    CWnd unmade;
    StWindowUpdate nothing(&unmade);
    EXPECT_EQ(nothing.GetLockedWindow(), nullptr);
}
