#include "MessagePump.h"
#include "resource.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Ids = std::vector<unsigned long>;

// Records the id of the current icon at each broadcast of the rotator.
class CIconWatcher : public CListener {
public:
    explicit CIconWatcher(CIconRotator& rotator) : mRotator(rotator) { rotator.AddListener(this); }
    Ids ids;

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

} // namespace

TEST(IconRotator, RotatesThroughTheIconsAndAnIndexOutsideThemHasNoIconAndNoBroadcast)
{
    CIconRotator rotator;
    CIconWatcher watcher(rotator);
    for (unsigned long id : {IDI_TEST_RED, IDI_TEST_GREEN, IDI_TEST_BLUE})
        rotator.AddIcon(id);
    EXPECT_EQ(rotator.GetId(), static_cast<unsigned long>(IDI_TEST_RED));
    rotator.SetRotate(true);
    EXPECT_EQ(rotator.GetPeriod(), 333u) << "one round of three icons takes about a second";
    ASSERT_EQ(watcher.ids, Ids{IDI_TEST_GREEN}) << "turning on steps at once";
    ASSERT_TRUE(PumpMessagesUntil([&] { return watcher.ids.size() >= 4; }));
    EXPECT_EQ(watcher.ids, (Ids{IDI_TEST_GREEN, IDI_TEST_BLUE, IDI_TEST_RED, IDI_TEST_GREEN}));

    rotator.SetRotate(false);
    EXPECT_FALSE(rotator.IsRotating());
    EXPECT_EQ(rotator.GetPeriod(), 0u);
    ASSERT_EQ(watcher.ids.size(), 5u) << "stopping broadcasts the return to the first icon";
    EXPECT_EQ(watcher.ids.back(), static_cast<unsigned long>(IDI_TEST_RED));

    rotator.SetRotate(true);
    rotator.SetCurrent(0);
    watcher.ids.clear();
    rotator.SetRotate(false);
    rotator.SetRotate(false);
    EXPECT_TRUE(watcher.ids.empty()) << "stopping on the first icon broadcasts nothing";

    rotator.SetCurrent(2);
    rotator.SetCurrent(2);
    EXPECT_EQ(watcher.ids, Ids{IDI_TEST_BLUE}) << "the same index again changes nothing";
    rotator.SetCurrent(7);
    rotator.SetCurrent(-1);
    EXPECT_EQ(watcher.ids.size(), 1u);
    EXPECT_EQ(rotator.GetId(), 0u);
    EXPECT_EQ(rotator.GetIcon(), nullptr);

    rotator.SetCurrent(1);
    rotator.Reset();
    EXPECT_EQ(rotator.GetCurrent(), 1) << "a reset keeps the index";
    EXPECT_EQ(rotator.GetId(), 0u);
    rotator.SetRotate(true);
    EXPECT_FALSE(rotator.IsRotating()) << "without icons it stays still";

    CBroadcaster stranger;
    stranger.AddListener(&rotator);
    rotator.AddIcon(IDI_TEST_RED);
    stranger.Broadcast(CTimer::kTimerTick, &stranger, nullptr);
    EXPECT_EQ(watcher.ids.size(), 2u) << "only the rotator's own timer steps it";
    rotator.SetRotate(true);
    EXPECT_EQ(rotator.GetPeriod(), 1000u) << "one icon ticks each second";
}

