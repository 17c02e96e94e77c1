#include "Broadcaster.h"

#include "Listener.h"

#include <algorithm>

// One delivery in progress. It lives on the stack of Broadcast or Notify; deliveries that
// nest (a listener broadcasting again) are chained from the innermost outwards, so that
// changes to the listener list can correct every cursor.
struct CBroadcaster::Delivery {
    size_t next;          // index of the next listener to call
    size_t end;           // listeners at or after this index joined during the delivery
    bool broadcasterGone; // the broadcaster was destroyed by a listener
    Delivery* outer;
};

// Links a delivery into its broadcaster for its lifetime, also when a listener throws.
// The compiler cannot see that the destructor unlinks the delivery again.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
class CBroadcaster::StDelivery {
public:
    explicit StDelivery(CBroadcaster& broadcaster)
        : mBroadcaster(broadcaster),
          mDelivery{0, broadcaster.mListeners.size(), false, broadcaster.mDeliveries}
    {
        mBroadcaster.mDeliveries = &mDelivery;
    }
    ~StDelivery()
    {
        if (!mDelivery.broadcasterGone)
            mBroadcaster.mDeliveries = mDelivery.outer;
    }
    StDelivery(const StDelivery&) = delete;
    StDelivery& operator=(const StDelivery&) = delete;

    // The next listener that is listening, or null when the delivery is over.
    CListener* Next()
    {
        while (!mDelivery.broadcasterGone && mDelivery.next < mDelivery.end) {
            CListener* listener = mBroadcaster.mListeners[mDelivery.next++];
            if (listener->IsListening())
                return listener;
        }
        return nullptr;
    }

private:
    CBroadcaster& mBroadcaster;
    Delivery mDelivery;
};
#pragma GCC diagnostic pop

CBroadcaster::CBroadcaster() : mBroadcasting(true), mDeliveries(nullptr) {}

CBroadcaster::CBroadcaster(const CBroadcaster&) : CBroadcaster() {}

CBroadcaster& CBroadcaster::operator=(const CBroadcaster&)
{
    return *this;
}

CBroadcaster::~CBroadcaster()
{
    for (Delivery* delivery = mDeliveries; delivery; delivery = delivery->outer)
        delivery->broadcasterGone = true;
    for (CListener* listener : mListeners)
        listener->Detach(this);
}

void CBroadcaster::AddListener(CListener* listener)
{
    if (!listener || HasListener(listener))
        return;
    mListeners.push_back(listener);
    listener->Attach(this);
}

void CBroadcaster::RemoveListener(CListener* listener)
{
    if (!HasListener(listener))
        return;
    ForgetListener(listener);
    listener->Detach(this);
}

void CBroadcaster::ForgetListener(CListener* listener)
{
    auto found = std::find(mListeners.begin(), mListeners.end(), listener);
    if (found == mListeners.end())
        return;
    size_t index = found - mListeners.begin();
    mListeners.erase(found);
    for (Delivery* delivery = mDeliveries; delivery; delivery = delivery->outer) {
        if (index < delivery->next)
            --delivery->next;
        if (index < delivery->end)
            --delivery->end;
    }
}

bool CBroadcaster::HasListener(const CListener* listener) const
{
    return std::find(mListeners.begin(), mListeners.end(), listener) != mListeners.end();
}

int CBroadcaster::GetListenerCount() const
{
    return static_cast<int>(mListeners.size());
}

void CBroadcaster::StartBroadcasting()
{
    mBroadcasting = true;
}

void CBroadcaster::StopBroadcasting()
{
    mBroadcasting = false;
}

bool CBroadcaster::IsBroadcasting() const
{
    return mBroadcasting;
}

void CBroadcaster::Broadcast(long code, const void* sender, const void* extra)
{
    if (!mBroadcasting)
        return;
    StDelivery delivery(*this);
    while (CListener* listener = delivery.Next())
        listener->ListenToMessage(code, sender, extra);
}

void CBroadcaster::Notify(long property, long data1, long data2)
{
    if (!mBroadcasting)
        return;
    StDelivery delivery(*this);
    while (CListener* listener = delivery.Next())
        listener->Respond(property, this, data1, data2);
}
