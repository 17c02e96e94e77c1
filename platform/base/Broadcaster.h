#pragma once
#include "BaseExport.h"
// Whoever adds listeners hands over CListener-derived objects: the class must be complete.
#include "Listener.h"

#include <vector>

// Something others can watch. Listeners are called synchronously, on the thread that
// broadcasts, in the order they were added; a listener is kept once however often it is
// added.
//
// Changing the listeners from inside a delivery is safe:
// - a listener removed (or destroyed) during a delivery is not called by it afterwards;
// - a listener added during a delivery hears only later deliveries;
// - a broadcaster destroyed by one of its listeners ends the delivery at once.
// A broadcaster and its listeners forget each other when either is destroyed, in any order.
//
// The broadcasting switch (on after construction) silences Broadcast and Notify alike, so
// that an object can change many things and report only what matters.
//
// A broadcaster belongs to one thread (the user-interface thread): nothing here is locked,
// because listeners must be free to add and remove listeners while they are called.
class TNWBS_CLASS CBroadcaster {
public:
    CBroadcaster();
    // A copy has no listeners of its own: listeners chose the object they listen to.
    CBroadcaster(const CBroadcaster& other);
    CBroadcaster& operator=(const CBroadcaster& other);
    virtual ~CBroadcaster();

    void AddListener(CListener* listener);
    void RemoveListener(CListener* listener);
    bool HasListener(const CListener* listener) const;
    int GetListenerCount() const;

    void StartBroadcasting();
    void StopBroadcasting();
    bool IsBroadcasting() const;

    // Calls ListenToMessage(code, sender, extra) of every listener.
    void Broadcast(long code, const void* sender, const void* extra);
    // Calls Respond(property, this, data1, data2) of every listener; persistent objects
    // announce property changes this way with four-character codes.
    void Notify(long property, long data1, long data2);

private:
    friend class CListener;
    struct Delivery;
    class StDelivery;

    void ForgetListener(CListener* listener);

    std::vector<CListener*> mListeners;
    bool mBroadcasting;
    Delivery* mDeliveries; // innermost delivery running on this broadcaster, if any
};
