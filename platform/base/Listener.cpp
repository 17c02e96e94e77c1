#include "Listener.h"

#include "Broadcaster.h"

#include <algorithm>

CListener::CListener() : mListening(true) {}

CListener::CListener(const CListener&) : CListener() {}

CListener& CListener::operator=(const CListener&)
{
    return *this;
}

CListener::~CListener()
{
    for (CBroadcaster* broadcaster : mBroadcasters)
        broadcaster->ForgetListener(this);
}

bool CListener::ListenToMessage(long, const void*, const void*)
{
    return false;
}

bool CListener::Respond(long, CBroadcaster*, long, long)
{
    return false;
}

void CListener::StartListening()
{
    mListening = true;
}

void CListener::StopListening()
{
    mListening = false;
}

bool CListener::IsListening() const
{
    return mListening;
}

bool CListener::IsListeningTo(const CBroadcaster* broadcaster) const
{
    return std::find(mBroadcasters.begin(), mBroadcasters.end(), broadcaster) !=
           mBroadcasters.end();
}

void CListener::Attach(CBroadcaster* broadcaster)
{
    if (!IsListeningTo(broadcaster))
        mBroadcasters.push_back(broadcaster);
}

void CListener::Detach(CBroadcaster* broadcaster)
{
    mBroadcasters.erase(std::remove(mBroadcasters.begin(), mBroadcasters.end(), broadcaster),
                        mBroadcasters.end());
}
