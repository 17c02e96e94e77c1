#include "MessagePump.h"
#include "OwnWindows.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>

namespace {

HWND DispatcherWindow()
{
    return FindOwnWindow(nullptr, "Timers");
}

// Counts the ticks of the timers it listens to and runs an optional action inside each.
class CTickCounter : public CListener {
public:
    int ticks = 0;
    const void* lastSender = nullptr;
    const void* lastExtra = reinterpret_cast<const void*>(1);
    std::function<void()> duringTick;

    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code != CTimer::kTimerTick)
            return CListener::ListenToMessage(code, sender, extra);
        ++ticks;
        lastSender = sender;
        lastExtra = extra;
        if (duringTick)
            duringTick();
        return true;
    }
};

// A delayed function that tells when it is gone.
class CWatchedDelayedFunction : public CDelayedFunction {
public:
    CWatchedDelayedFunction(bool autoDelete, bool* destroyed)
        : CDelayedFunction(autoDelete), mDestroyed(destroyed) {}
    ~CWatchedDelayedFunction() override { *mDestroyed = true; }

private:
    bool* mDestroyed;
};

struct Call {
    int count = 0;
    void* a = nullptr;
    void* b = nullptr;
};

int Record(void* a, void* b)
{
    auto* call = static_cast<Call*>(a);
    ++call->count;
    call->a = a;
    call->b = b;
    return 1;
}

} // namespace

TEST(Timer, ActivatingAnActiveTimerKeepsTheFirstPeriod)
{
    CTimer timer;
    EXPECT_FALSE(timer.IsActive());
    ASSERT_TRUE(timer.Activate(5000));
    EXPECT_FALSE(timer.Activate(10));
    EXPECT_TRUE(timer.IsActive());
    EXPECT_EQ(timer.GetPeriod(), 5000u);

    CTickCounter counter;
    timer.AddListener(&counter);
    PumpMessagesFor(100);
    EXPECT_EQ(counter.ticks, 0) << "the refused activation must not shorten the period";

    timer.Deactivate();
    timer.Deactivate();
    EXPECT_FALSE(timer.IsActive());
    EXPECT_EQ(timer.GetPeriod(), 0u);
}

TEST(Timer, IdsFollowTheLargestActiveIdAndAreReused)
{
    EXPECT_EQ(CTimer::GetFreeTimerId(), 200u);
    CTimer first, second, third;
    ASSERT_TRUE(first.Activate(60000));
    ASSERT_TRUE(second.Activate(60000));
    EXPECT_EQ(first.GetTimerId(), 200u);
    EXPECT_EQ(second.GetTimerId(), 201u);

    first.Deactivate();
    ASSERT_TRUE(third.Activate(60000));
    EXPECT_EQ(third.GetTimerId(), 202u) << "one more than the largest active id";

    // The largest id is free again once its timer stops.
    third.Deactivate();
    ASSERT_TRUE(first.Activate(60000));
    EXPECT_EQ(first.GetTimerId(), 202u);
    EXPECT_EQ(CTimer::GetFreeTimerId(), 203u);

    first.Deactivate();
    second.Deactivate();
    EXPECT_EQ(CTimer::GetFreeTimerId(), 200u);
    ASSERT_TRUE(third.Activate(60000));
    EXPECT_EQ(third.GetTimerId(), 200u);
}

TEST(Timer, DispatcherLivesWhileATimerIsActive)
{
    ASSERT_EQ(DispatcherWindow(), nullptr);
    HWND window;
    {
        CTimer one, two;
        ASSERT_TRUE(one.Activate(60000));
        window = DispatcherWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(CWnd::FromHandlePermanent(window)->IsKindOf(RUNTIME_CLASS(CTimerDispatcher)));
        EXPECT_FALSE(::IsWindowVisible(window));

        ASSERT_TRUE(two.Activate(60000));
        EXPECT_EQ(DispatcherWindow(), window) << "one dispatcher serves every timer";
        one.Deactivate();
        EXPECT_EQ(DispatcherWindow(), window);
        two.Deactivate();
        EXPECT_EQ(DispatcherWindow(), nullptr);
        EXPECT_FALSE(::IsWindow(window));

        ASSERT_TRUE(one.Activate(60000));
        EXPECT_NE(DispatcherWindow(), nullptr) << "the next activation creates a new window";
    }
    EXPECT_EQ(DispatcherWindow(), nullptr) << "destroying the last active timer closes it";
}

TEST(Timer, EachTickReachesTheListenersOfItsOwnTimer)
{
    CTimer fast, slow;
    CTickCounter fastCounter, slowCounter;
    fast.AddListener(&fastCounter);
    slow.AddListener(&slowCounter);
    ASSERT_TRUE(slow.Activate(60000));
    ASSERT_TRUE(fast.Activate(10));

    ASSERT_TRUE(PumpMessagesUntil([&] { return fastCounter.ticks >= 3; }));
    EXPECT_EQ(slowCounter.ticks, 0);
    EXPECT_EQ(fastCounter.lastSender, &fast);
    EXPECT_EQ(fastCounter.lastExtra, nullptr);

    fast.Deactivate();
    const int ticks = fastCounter.ticks;
    PumpMessagesFor(100);
    EXPECT_EQ(fastCounter.ticks, ticks) << "a stopped timer does not tick";
}

TEST(Timer, ListenerThatPumpsDuringItsTickGetsNoNestedTicks)
{
    CTimer timer, other;
    CTickCounter counter, otherCounter;
    int depth = 0;
    int deepest = 0;
    int otherTicksDuringTick = 0;
    counter.duringTick = [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        if (counter.ticks == 1) {
            const int before = otherCounter.ticks;
            PumpMessagesUntil([&] { return otherCounter.ticks >= before + 3; });
            otherTicksDuringTick = otherCounter.ticks - before;
        }
        --depth;
    };
    timer.AddListener(&counter);
    other.AddListener(&otherCounter);
    ASSERT_TRUE(timer.Activate(10));
    ASSERT_TRUE(other.Activate(10));

    ASSERT_TRUE(PumpMessagesUntil([&] { return counter.ticks >= 2; }));
    EXPECT_GE(otherTicksDuringTick, 3) << "other timers keep ticking meanwhile";
    EXPECT_EQ(deepest, 1);
}

TEST(Timer, ListenerMayDestroyTheTimerDuringItsTick)
{
    // The timer lives in storage the test can inspect after destroying it: the tick must not
    // write to it once a listener has destroyed the timer.
    alignas(CTimer) unsigned char storage[sizeof(CTimer)];
    auto* timer = new (storage) CTimer;
    CTickCounter counter;
    counter.duringTick = [&] {
        timer->~CTimer();
        std::memset(storage, 0xA5, sizeof storage);
    };
    timer->AddListener(&counter);
    ASSERT_TRUE(timer->Activate(10));

    ASSERT_TRUE(PumpMessagesUntil([&] { return counter.ticks == 1; }));
    PumpMessagesFor(50);
    EXPECT_EQ(counter.ticks, 1);
    for (unsigned char byte : storage)
        ASSERT_EQ(byte, 0xA5);
    EXPECT_EQ(DispatcherWindow(), nullptr);
}

TEST(DelayedFunction, RunCallsOnceFromTheMessageLoopAndCleansUp)
{
    Call call;
    int marker = 0;
    ASSERT_TRUE(CDelayedFunction::Run(Record, &call, &marker));
    EXPECT_EQ(call.count, 0) << "the function runs later, not inside Run";
    EXPECT_NE(DispatcherWindow(), nullptr);

    ASSERT_TRUE(PumpMessagesUntil([&] { return call.count > 0; }));
    EXPECT_EQ(call.a, &call);
    EXPECT_EQ(call.b, &marker);
    PumpMessagesFor(50);
    EXPECT_EQ(call.count, 1);
    EXPECT_EQ(DispatcherWindow(), nullptr) << "the fired function gave back its timer";
}

TEST(DelayedFunction, NullFunctionStillStopsAndDeletesItself)
{
    bool destroyed = false;
    auto* delayed = new CWatchedDelayedFunction(true, &destroyed);
    ASSERT_TRUE(delayed->Activate(10));
    ASSERT_TRUE(PumpMessagesUntil([&] { return destroyed; }));
    EXPECT_EQ(DispatcherWindow(), nullptr);
}

TEST(DelayedFunction, SetFunctionStopsAPendingCallAndFiresOncePerActivation)
{
    bool destroyed = false;
    Call first, second;
    {
        CWatchedDelayedFunction delayed(false, &destroyed);
        delayed.SetFunction(Record, &first, nullptr);
        ASSERT_TRUE(delayed.Activate(10));
        delayed.SetFunction(Record, &second, nullptr);
        EXPECT_FALSE(delayed.IsActive());
        PumpMessagesFor(100);
        EXPECT_EQ(first.count, 0);
        EXPECT_EQ(second.count, 0);

        ASSERT_TRUE(delayed.Activate(10));
        ASSERT_TRUE(PumpMessagesUntil([&] { return second.count > 0; }));
        EXPECT_FALSE(delayed.IsActive());
        PumpMessagesFor(50);
        EXPECT_EQ(second.count, 1);
        EXPECT_FALSE(destroyed) << "only an auto-deleting function deletes itself";
    }
    EXPECT_EQ(first.count, 0);
}
