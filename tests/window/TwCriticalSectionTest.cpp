#include "TwCriticalSection.h"

#include "MessagePump.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(TwCriticalSectionTest, GuardHoldsOtherThreadsOutUntilItIsDestroyed)
{
    CTwCriticalSection section;
    std::atomic<bool> entered(false);
    std::thread other;
    {
        CTwSingleLock guard(section, true);
        CTwSingleLock again(section, true);
        EXPECT_TRUE(again.IsLocked()) << "the same thread may enter again";
        other = std::thread([&] {
            CTwSingleLock lock(section, true);
            entered = true;
        });
        again.Unlock();
        PumpMessagesFor(50);
        EXPECT_FALSE(entered) << "still held by the outer guard";
    }
    EXPECT_TRUE(PumpMessagesUntil([&] { return entered.load(); }));
    other.join();

    CTwSingleLock deferred(section, false);
    EXPECT_FALSE(deferred.IsLocked());
    deferred.Lock();
    deferred.Lock();
    EXPECT_TRUE(deferred.IsLocked());
    deferred.Unlock();
    EXPECT_FALSE(deferred.IsLocked());
}

} // namespace
