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
    CWatchedDelayedFunction(bool autoDelete, bool* destroyed) : CDelayedFunction(autoDelete), mDestroyed(destroyed) {}
    ~CWatchedDelayedFunction() override { *mDestroyed = true; }

private:
    bool* mDestroyed;
};

struct Call {
    int count = 0;
    void* b = nullptr;
};

int Record(void* a, void* b)
{
    auto* call = static_cast<Call*>(a);
    ++call->count;
    call->b = b;
    return 1;
}

} // namespace

TEST(TimerAndDelayedFunction, IdsFollowTheLargestActiveIdTimersTickTheirOwnListenersAndDelayedCallsComeOnce)
{
    ASSERT_EQ(DispatcherWindow(), nullptr);
    EXPECT_EQ(CTimer::GetFreeTimerId(), 200u);
    {
        CTimer first, second, third;
        ASSERT_TRUE(first.Activate(60000));
        HWND window = DispatcherWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(CWnd::FromHandlePermanent(window)->IsKindOf(RUNTIME_CLASS(CTimerDispatcher)));
        EXPECT_FALSE(::IsWindowVisible(window));
        ASSERT_TRUE(second.Activate(60000));
        EXPECT_EQ(DispatcherWindow(), window) << "one dispatcher serves every timer";
        EXPECT_EQ(second.GetTimerId(), 201u);

        first.Deactivate();
        ASSERT_TRUE(third.Activate(60000));
        EXPECT_EQ(third.GetTimerId(), 202u) << "one more than the largest active id";
        third.Deactivate();
        EXPECT_EQ(CTimer::GetFreeTimerId(), 202u) << "the largest id is free again once its timer stops";

        second.Deactivate();
        EXPECT_FALSE(::IsWindow(window)) << "the last deactivation closes the dispatcher";
        ASSERT_TRUE(first.Activate(60000));
        EXPECT_EQ(first.GetTimerId(), 200u);
        EXPECT_NE(DispatcherWindow(), nullptr) << "the next activation creates a new one";
    }
    EXPECT_EQ(DispatcherWindow(), nullptr) << "destroying the last active timer closes it";

    // Each timer ticks its own listeners, which get no nested ticks.
    CTimer timer, other, slow;
    CTickCounter counter, otherCounter, slowCounter;
    int depth = 0;
    int deepest = 0;
    int otherTicksDuringTick = 0;
    counter.duringTick = [&] {
        deepest = std::max(deepest, ++depth);
        if (counter.ticks == 1) {
            const int before = otherCounter.ticks;
            PumpMessagesUntil([&] { return otherCounter.ticks >= before + 3; });
            otherTicksDuringTick = otherCounter.ticks - before;
        }
        --depth;
    };
    timer.AddListener(&counter);
    other.AddListener(&otherCounter);
    slow.AddListener(&slowCounter);
    ASSERT_TRUE(slow.Activate(60000));
    ASSERT_TRUE(timer.Activate(10));
    ASSERT_TRUE(other.Activate(10));
    EXPECT_FALSE(slow.Activate(10)) << "an active timer keeps its first period";
    EXPECT_EQ(slow.GetPeriod(), 60000u);

    ASSERT_TRUE(PumpMessagesUntil([&] { return counter.ticks >= 2; }));
    EXPECT_GE(otherTicksDuringTick, 3) << "other timers keep ticking meanwhile";
    EXPECT_EQ(deepest, 1) << "a listener that pumps gets no nested tick of its timer";
    EXPECT_EQ(slowCounter.ticks, 0);
    EXPECT_EQ(counter.lastSender, &timer);
    EXPECT_EQ(counter.lastExtra, nullptr);

    timer.Deactivate();
    timer.Deactivate();
    const int ticks = counter.ticks;
    PumpMessagesFor(100);
    EXPECT_EQ(counter.ticks, ticks) << "a stopped timer does not tick";

    // A listener may destroy the timer during its tick. The timer lives in storage the test
    // can inspect afterwards: the tick must not write to it once the timer is destroyed.
    other.Deactivate();
    slow.Deactivate();
    alignas(CTimer) unsigned char storage[sizeof(CTimer)];
    auto* doomed = new (storage) CTimer;
    CTickCounter destroyer;
    destroyer.duringTick = [&] {
        doomed->~CTimer();
        std::memset(storage, 0xA5, sizeof storage);
    };
    doomed->AddListener(&destroyer);
    ASSERT_TRUE(doomed->Activate(10));

    ASSERT_TRUE(PumpMessagesUntil([&] { return destroyer.ticks == 1; }));
    PumpMessagesFor(50);
    EXPECT_EQ(destroyer.ticks, 1);
    for (unsigned char byte : storage)
        ASSERT_EQ(byte, 0xA5);
    EXPECT_EQ(DispatcherWindow(), nullptr);

    // A delayed function runs once from the message loop, and SetFunction stops a pending call.
    Call call;
    int marker = 0;
    CDelayedFunction::Run(Record, &call, &marker);
    EXPECT_EQ(call.count, 0) << "the function runs later, not inside Run";
    ASSERT_TRUE(PumpMessagesUntil([&] { return call.count > 0; }));
    EXPECT_EQ(call.b, &marker);

    bool destroyed = false;
    ASSERT_TRUE((new CWatchedDelayedFunction(true, &destroyed))->Activate(10));
    EXPECT_TRUE(PumpMessagesUntil([&] { return destroyed; })) << "without a function it still deletes itself";
    EXPECT_EQ(call.count, 1);
    EXPECT_EQ(DispatcherWindow(), nullptr) << "both gave back their timers";

    destroyed = false;
    Call first, second;
    {
        CWatchedDelayedFunction delayed(false, &destroyed);
        delayed.SetFunction(Record, &first, nullptr);
        ASSERT_TRUE(delayed.Activate(10));
        delayed.SetFunction(Record, &second, nullptr);
        EXPECT_FALSE(delayed.IsActive());
        ASSERT_TRUE(delayed.Activate(10));
        ASSERT_TRUE(PumpMessagesUntil([&] { return second.count > 0; }));
        EXPECT_FALSE(delayed.IsActive()) << "it fires once";
        EXPECT_FALSE(destroyed) << "only an auto-deleting function deletes itself";
    }
    EXPECT_EQ(first.count, 0);
}

