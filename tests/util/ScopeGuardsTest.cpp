#include "util/WindowUpdate.h"

#include "TestApp.h"

#include <gtest/gtest.h>

TEST(StWindowUpdate, FreezesTheWindowOrTheMainWindowAndOnlyItsGuardThawsIt)
{
    CWnd first, second;
    ASSERT_TRUE(first.CreateEx(0, nullptr, "first", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    ASSERT_TRUE(second.CreateEx(0, nullptr, "second", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(StWindowUpdate().GetLockedWindow(), nullptr) << "no main window";
    TestApp().m_pMainWnd = &first;
    {
        StWindowUpdate outer;
        EXPECT_EQ(outer.GetLockedWindow(), &first);
        {
            StWindowUpdate inner(&second);
            EXPECT_EQ(inner.GetLockedWindow(), nullptr) << "Windows freezes one window at a time";
        }
        EXPECT_FALSE(::LockWindowUpdate(second.m_hWnd)) << "the first window is still frozen";
    }
    TestApp().m_pMainWnd = nullptr;
    EXPECT_TRUE(::LockWindowUpdate(second.m_hWnd)) << "and thawed with its guard";
    ::LockWindowUpdate(nullptr);
}
