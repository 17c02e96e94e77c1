#include "MessagePump.h"
#include "OwnWindows.h"
#include "resource.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the id of the current icon at each broadcast of the rotator.
class CIconWatcher : public CListener {
public:
    explicit CIconWatcher(CIconRotator& rotator) : mRotator(rotator) { rotator.AddListener(this); }
    std::vector<unsigned long> ids;

    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code != CIconRotator::kIconChanged)
            return CListener::ListenToMessage(code, sender, extra);
        EXPECT_EQ(sender, &mRotator);
        EXPECT_EQ(extra, nullptr);
        EXPECT_NE(mRotator.GetIcon(), nullptr);
        ids.push_back(mRotator.GetId());
        return true;
    }

private:
    CIconRotator& mRotator;
};

void AddThreeIcons(CIconRotator& rotator)
{
    rotator.AddIcon(IDI_TEST_RED);
    rotator.AddIcon(IDI_TEST_GREEN);
    rotator.AddIcon(IDI_TEST_BLUE);
}

TEST(IconRotatorTest, RotatesThroughTheIconsAndReturnsToTheFirst)
{
    CIconRotator rotator;
    AddThreeIcons(rotator);
    CIconWatcher watcher(rotator);
    EXPECT_EQ(rotator.GetId(), static_cast<unsigned long>(IDI_TEST_RED));

    rotator.SetRotate(true);
    EXPECT_TRUE(rotator.IsRotating());
    EXPECT_EQ(rotator.GetPeriod(), 333u) << "one round of three icons takes about a second";
    ASSERT_EQ(watcher.ids, std::vector<unsigned long>{IDI_TEST_GREEN}) << "turning on steps at once";

    ASSERT_TRUE(PumpMessagesUntil([&] { return watcher.ids.size() >= 4; }, 5000));
    EXPECT_EQ(watcher.ids, (std::vector<unsigned long>{IDI_TEST_GREEN, IDI_TEST_BLUE, IDI_TEST_RED,
                                                       IDI_TEST_GREEN}));

    rotator.SetRotate(false);
    EXPECT_FALSE(rotator.IsRotating());
    EXPECT_EQ(rotator.GetPeriod(), 0u);
    EXPECT_EQ(rotator.GetCurrent(), 0);
    ASSERT_EQ(watcher.ids.size(), 5u) << "stopping broadcasts the return to the first icon";
    EXPECT_EQ(watcher.ids.back(), static_cast<unsigned long>(IDI_TEST_RED));

    PumpMessagesFor(500);
    EXPECT_EQ(watcher.ids.size(), 5u) << "a still rotator does not tick";
}

TEST(IconRotatorTest, StoppingOnTheFirstIconBroadcastsNothing)
{
    CIconRotator rotator;
    AddThreeIcons(rotator);
    CIconWatcher watcher(rotator);
    rotator.SetRotate(true);
    rotator.SetCurrent(0);
    watcher.ids.clear();
    rotator.SetRotate(false);
    EXPECT_TRUE(watcher.ids.empty());
    rotator.SetRotate(false);
    EXPECT_TRUE(watcher.ids.empty()) << "an unchanged state does nothing";
}

TEST(IconRotatorTest, CurrentIndexOutsideTheIconsHasNoIconAndNoBroadcast)
{
    CIconRotator rotator;
    AddThreeIcons(rotator);
    CIconWatcher watcher(rotator);

    rotator.SetCurrent(2);
    EXPECT_EQ(watcher.ids, std::vector<unsigned long>{IDI_TEST_BLUE});
    rotator.SetCurrent(2);
    EXPECT_EQ(watcher.ids.size(), 1u) << "the same index again changes nothing";

    rotator.SetCurrent(7);
    rotator.SetCurrent(-1);
    EXPECT_EQ(watcher.ids.size(), 1u);
    EXPECT_EQ(rotator.GetCurrent(), -1);
    EXPECT_EQ(rotator.GetId(), 0u);
    EXPECT_EQ(rotator.GetIcon(), nullptr);

    rotator.SetCurrent(1);
    rotator.Reset();
    EXPECT_EQ(rotator.GetCurrent(), 1) << "a reset keeps the index";
    EXPECT_EQ(rotator.GetIconCount(), 0);
    EXPECT_EQ(rotator.GetId(), 0u);
}

TEST(IconRotatorTest, WithoutIconsOrWithAStrangeTickItStaysStill)
{
    CIconRotator rotator;
    CIconWatcher watcher(rotator);
    rotator.SetRotate(true);
    EXPECT_FALSE(rotator.IsRotating());
    EXPECT_EQ(rotator.GetPeriod(), 0u);
    EXPECT_TRUE(watcher.ids.empty());

    AddThreeIcons(rotator);
    CBroadcaster stranger;
    stranger.AddListener(&rotator);
    stranger.Broadcast(CTimer::kTimerTick, &stranger, nullptr);
    EXPECT_TRUE(watcher.ids.empty()) << "only the rotator's own timer steps it";
}

TEST(IconRotatorTest, OneIconTicksOncePerSecondWithoutChanging)
{
    CIconRotator rotator;
    rotator.AddIcon(IDI_TEST_RED);
    CIconWatcher watcher(rotator);
    rotator.SetRotate(true);
    EXPECT_EQ(rotator.GetPeriod(), 1000u);
    EXPECT_TRUE(watcher.ids.empty());
    EXPECT_EQ(rotator.GetId(), static_cast<unsigned long>(IDI_TEST_RED));
}

TEST(IconRotatorTest, DestroyedWhileRotatingItLeavesNoTimer)
{
    {
        CIconRotator rotator;
        AddThreeIcons(rotator);
        rotator.SetRotate(true);
        EXPECT_NE(FindOwnWindow(nullptr, "Timers"), nullptr);
    }
    EXPECT_EQ(FindOwnWindow(nullptr, "Timers"), nullptr);
    PumpMessagesFor(400);
}

} // namespace
