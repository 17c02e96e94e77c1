#include "dialogs/WindowLocator.h"

#include <gtest/gtest.h>

namespace {

// A child window in a parent whose client area starts at 101 x 101 pixels.
class WindowLocatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "locator parent", WS_POPUP, 0, 0, 101, 101, nullptr, nullptr));
        ASSERT_TRUE(child.Create("child", WS_VISIBLE, CRect(10, 20, 200, 220), &parent, 1));
        locator.SetWindow(&child);
        parent.MoveWindow(0, 0, 300, 300, FALSE);
    }

    CRect MovedWith(unsigned short left, unsigned short top, unsigned short right, unsigned short bottom)
    {
        locator.SetLocation(left, top, right, bottom);
        locator.Move(&parent);
        CRect rect;
        child.GetWindowRect(&rect);
        parent.ScreenToClient(&rect);
        return rect;
    }

    CWnd parent;
    CStatic child;
    CWindowLocator locator;
};

} // namespace

TEST_F(WindowLocatorTest, MovesEachEdgeByItsShareOfTheParentsGrowthAndDefaultsFollowPartOfIt)
{
    EXPECT_EQ(locator.GetReference(), CRect(0, 0, 101, 101));
    // Grown from 101 to 300 with a factor of 100: (300 x 100 >> 8) - (101 x 100 >> 8) is
    // 117 - 39 = 78, where the growth's share in one product would give 77.
    EXPECT_EQ(MovedWith(100, 0, 0, 0), CRect(88, 20, 200, 220));
    EXPECT_EQ(MovedWith(0, 100, 0, 0), CRect(10, 98, 200, 220));
    EXPECT_EQ(MovedWith(0, 0, 100, 0), CRect(10, 20, 278, 220));
    EXPECT_EQ(MovedWith(0, 0, 0, 100), CRect(10, 20, 200, 298));
    EXPECT_EQ(MovedWith(0, 0, 0, 0), CRect(10, 20, 200, 220)) << "factors of 0 never move the window";
    EXPECT_EQ(MovedWith(256, 0, 256, 256), CRect(209, 20, 399, 419)) << "256 follows the parent's edge";

    // Moves start from the reference each time, and shrinking moves back.
    parent.MoveWindow(0, 0, 101, 101, FALSE);
    EXPECT_EQ(MovedWith(100, 100, 100, 100), CRect(10, 20, 200, 220));

    parent.MoveWindow(0, 0, 101, 101, FALSE);
    CWindowLocator defaults;
    defaults.SetWindow(&child);
    parent.MoveWindow(0, 0, 300, 300, FALSE);
    defaults.Move(nullptr); // the window's own parent
    CRect rect;
    child.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(10, 20, 278, 298));

    // Without a window, a move only takes the parent's size as the reference.
    CWindowLocator later;
    later.Move(&parent);
    EXPECT_EQ(later.GetReference(), CRect(0, 0, 300, 300));
    later.SetWindow(nullptr);
    EXPECT_TRUE(later.GetReference().IsRectEmpty());
}

