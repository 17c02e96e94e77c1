#include "Broadcaster.h"
#include "Listener.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Writes its name into a shared log when called and then runs an optional action.
class LoggingListener : public CListener {
public:
    LoggingListener(std::string name, std::string& log) : mName(std::move(name)), mLog(log) {}

    std::function<void()> onMessage;
    const void* lastSender = nullptr;
    const void* lastExtra = nullptr;
    CBroadcaster* lastBroadcaster = nullptr;

    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        mLog += mName;
        lastSender = sender;
        lastExtra = extra;
        if (onMessage)
            onMessage();
        return true;
    }

    bool Respond(long property, CBroadcaster* broadcaster, long data1, long data2) override
    {
        mLog += mName + "(" + std::to_string(property) + "," + std::to_string(data1) + "," +
                std::to_string(data2) + ")";
        lastBroadcaster = broadcaster;
        if (onMessage)
            onMessage();
        return true;
    }

private:
    std::string mName;
    std::string& mLog;
};

} // namespace

TEST(Broadcaster, DeliversToEveryListenerInOrderAndTheSwitchSilencesBoth)
{
    std::string log;
    CBroadcaster broadcaster;
    LoggingListener a("a", log), b("b", log);
    broadcaster.AddListener(&a);
    broadcaster.AddListener(&b);
    broadcaster.AddListener(&a);
    EXPECT_EQ(broadcaster.GetListenerCount(), 2) << "a listener is kept once";

    int sender = 0, extra = 0;
    broadcaster.Broadcast(7, &sender, &extra);
    EXPECT_EQ(log, "ab");
    EXPECT_EQ(b.lastSender, &sender);
    EXPECT_EQ(b.lastExtra, &extra);

    log.clear();
    broadcaster.Notify('namf', 3, -4);
    EXPECT_EQ(log, "a(1851878758,3,-4)b(1851878758,3,-4)");
    EXPECT_EQ(b.lastBroadcaster, &broadcaster);

    log.clear();
    EXPECT_TRUE(broadcaster.IsBroadcasting());
    broadcaster.StopBroadcasting();
    broadcaster.Broadcast(7, nullptr, nullptr);
    broadcaster.Notify(1, 0, 0);
    EXPECT_EQ(log, "");
    broadcaster.StartBroadcasting();
    broadcaster.Broadcast(7, nullptr, nullptr);
    EXPECT_EQ(log, "ab");

    // A deaf listener stays attached but hears nothing.
    log.clear();
    a.StopListening();
    broadcaster.Broadcast(7, nullptr, nullptr);
    EXPECT_EQ(log, "b");
    EXPECT_TRUE(a.IsListeningTo(&broadcaster));
    a.StartListening();
}

TEST(Broadcaster, ListenersRemovedDuringADeliveryAreNotCalledAndNoneIsSkipped)
{
    std::string log;
    CBroadcaster broadcaster;
    LoggingListener a("a", log), b("b", log), c("c", log), d("d", log);
    for (CListener* listener : {static_cast<CListener*>(&a), static_cast<CListener*>(&b),
                                static_cast<CListener*>(&c), static_cast<CListener*>(&d)})
        broadcaster.AddListener(listener);

    // b removes itself and the already called a (both before the cursor) and the pending d.
    b.onMessage = [&] {
        broadcaster.RemoveListener(&b);
        broadcaster.RemoveListener(&a);
        broadcaster.RemoveListener(&d);
    };
    broadcaster.Broadcast(7, nullptr, nullptr);
    EXPECT_EQ(log, "abc") << "c must not be skipped, d must not be called";
    EXPECT_FALSE(d.IsListeningTo(&broadcaster));

    // A listener added during a delivery hears only later ones.
    log.clear();
    c.onMessage = [&] { broadcaster.AddListener(&a); };
    broadcaster.Broadcast(7, nullptr, nullptr);
    EXPECT_EQ(log, "c");
    c.onMessage = nullptr;
    broadcaster.Broadcast(7, nullptr, nullptr);
    EXPECT_EQ(log, "cca");
}

TEST(Broadcaster, ListenersOrTheBroadcasterDestroyedDuringADeliveryLeaveSafely)
{
    std::string log;
    CBroadcaster broadcaster;
    auto* a = new LoggingListener("a", log);
    auto* b = new LoggingListener("b", log);
    LoggingListener c("c", log);
    broadcaster.AddListener(a);
    broadcaster.AddListener(b);
    broadcaster.AddListener(&c);
    a->onMessage = [&] {
        delete b;
        delete a; // the listener being called destroys itself
    };
    broadcaster.Notify(1, 0, 0);
    EXPECT_EQ(log, "a(1,0,0)c(1,0,0)");
    EXPECT_EQ(broadcaster.GetListenerCount(), 1);

    // A broadcaster destroyed by its listener ends the delivery.
    log.clear();
    auto* doomed = new CBroadcaster;
    LoggingListener d("d", log), e("e", log);
    doomed->AddListener(&d);
    doomed->AddListener(&e);
    d.onMessage = [&] { delete doomed; };
    doomed->Broadcast(7, nullptr, nullptr);
    EXPECT_EQ(log, "d");
    EXPECT_FALSE(d.IsListeningTo(doomed));
    EXPECT_FALSE(e.IsListeningTo(doomed));
}

TEST(Broadcaster, NestedDeliveriesSeeRemovalsMadeByEachOther)
{
    std::string log;
    CBroadcaster broadcaster;
    LoggingListener a("a", log), b("b", log), c("c", log);
    broadcaster.AddListener(&a);
    broadcaster.AddListener(&b);
    broadcaster.AddListener(&c);
    bool nested = false;
    a.onMessage = [&] {
        if (nested)
            return;
        nested = true;
        broadcaster.Notify(2, 0, 0); // b removes c in here
    };
    b.onMessage = [&] { broadcaster.RemoveListener(&c); };
    broadcaster.Broadcast(7, nullptr, nullptr);
    EXPECT_EQ(log, "aa(2,0,0)b(2,0,0)b");
}

TEST(Broadcaster, EitherSideMayBeDestroyedFirstAndCopiesStartWithoutListeners)
{
    std::string log;
    auto* listener = new LoggingListener("a", log);
    {
        CBroadcaster first, second;
        first.AddListener(listener);
        second.AddListener(listener);
        EXPECT_TRUE(listener->IsListeningTo(&second));
    }
    EXPECT_FALSE(listener->IsListeningTo(nullptr));
    delete listener; // must not touch the destroyed broadcasters

    CBroadcaster broadcaster;
    {
        LoggingListener shortLived("b", log);
        broadcaster.AddListener(&shortLived);
        EXPECT_EQ(broadcaster.GetListenerCount(), 1);
    }
    EXPECT_EQ(broadcaster.GetListenerCount(), 0);
    broadcaster.Broadcast(7, nullptr, nullptr);
    EXPECT_EQ(log, "");

    // Copies start without listeners.
    CBroadcaster original, assigned;
    LoggingListener a("a", log), b("b", log);
    original.AddListener(&a);
    assigned.AddListener(&b);
    CBroadcaster copy(original);
    assigned = original;
    EXPECT_EQ(copy.GetListenerCount(), 0);
    EXPECT_TRUE(assigned.HasListener(&b));
    EXPECT_FALSE(assigned.HasListener(&a));
    LoggingListener copiedListener(a);
    EXPECT_FALSE(copiedListener.IsListeningTo(&original));
}
