#pragma once
#include "BaseExport.h"

#include <vector>

class CBroadcaster;

// Something that watches broadcasters. A subclass answers the codes it knows and hands
// every other code to its base class, which answers false (not handled).
//
// A listener remembers the broadcasters it was added to, so that destroying it removes it
// from all of them; a broadcaster destroyed first is forgotten. StopListening makes the
// listener deaf for a while without leaving its broadcasters.
class TNWBS_CLASS CListener {
public:
    CListener();
    // A copy listens to nothing: only a broadcaster adds its listeners.
    CListener(const CListener& other);
    CListener& operator=(const CListener& other);
    virtual ~CListener();

    virtual bool ListenToMessage(long code, const void* sender, const void* extra);
    virtual bool Respond(long property, CBroadcaster* broadcaster, long data1, long data2);

    void StartListening();
    void StopListening();
    bool IsListening() const;
    bool IsListeningTo(const CBroadcaster* broadcaster) const;

private:
    friend class CBroadcaster;

    void Attach(CBroadcaster* broadcaster);
    void Detach(CBroadcaster* broadcaster);

    std::vector<CBroadcaster*> mBroadcasters;
    bool mListening;
};
