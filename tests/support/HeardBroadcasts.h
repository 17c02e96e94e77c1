#pragma once
#include "Listener.h"

#include <algorithm>
#include <vector>

// Writes down every broadcast and property notice it hears, in order: the code and the
// sender. (The extra data lives only as long as the broadcast; a test that needs it
// listens itself.)
class CHeardBroadcasts : public CListener {
public:
    bool ListenToMessage(long code, const void* sender, const void*) override
    {
        codes.push_back(code);
        senders.push_back(sender);
        return true;
    }
    bool Respond(long property, CBroadcaster* broadcaster, long, long) override
    {
        return ListenToMessage(property, broadcaster, nullptr);
    }
    int Count(long code) const { return static_cast<int>(std::count(codes.begin(), codes.end(), code)); }
    void Forget()
    {
        codes.clear();
        senders.clear();
    }

    std::vector<long> codes;
    std::vector<const void*> senders;
};
