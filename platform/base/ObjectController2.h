#pragma once
#include "BaseExport.h"
#include "Broadcaster.h"
#include "Listener.h"

class CPersistObject;

// Binds the controls of a window to one persistent object: a subclass fills its controls
// from the object in Refresh and writes the user's changes back to it. The controller
// listens to its object and tells its own listeners (object panels) what happened:
// - kSettingsChanged (70983483; the controller, none): a property of the object changed,
//   so summaries that show it must be made again;
// - kShowRequest (70983484; the controller, none): the controls want to be seen, for
//   example because a setting needs the user's attention (sent by RequestShow).
//
// The names of this class's operations: SetObject(object, refresh) takes an object (none
// lets go of it; refresh makes the controls show it at once), Refresh fills the controls,
// GetSummaryText gives the object's settings in a few words, IsValid whether they are
// consistent.
//
// Decisions of this library:
// - The object is not owned. A controller whose object is destroyed lets go of it (the
//   object's destruction notice), so it never reaches a destroyed object.
// - The defaults: Refresh does nothing, the summary is empty, and the answer of IsValid is
//   the object's own deep validation (true without an object).
class TNWBS_CLASS CObjectController2 : public CBroadcaster, public CListener {
public:
    static constexpr long kSettingsChanged = 70983483;
    static constexpr long kShowRequest = 70983484;

    CObjectController2();
    ~CObjectController2() override;
    CObjectController2(const CObjectController2&) = delete;
    CObjectController2& operator=(const CObjectController2&) = delete;

    CPersistObject* GetObjectA() const { return mObject; }

    virtual void SetObject(CPersistObject* object, bool refresh);
    virtual void Refresh();
    // A temporary text (UStringBuffer): copy what you keep.
    virtual char* GetSummaryText();
    virtual bool IsValid();

    bool Respond(long property, CBroadcaster* broadcaster, long data1, long data2) override;

protected:
    void RequestShow();

private:
    CPersistObject* mObject = nullptr;
};
