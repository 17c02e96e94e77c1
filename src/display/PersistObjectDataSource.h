#pragma once
#include "afxole.h"

#include "tnwbscut.h"

// Offers one persistent object to an OLE drag under the "Persist Object" format
// (CPersistObjectDropTarget): a global memory block that holds the object's address, good
// only inside this process. The source follows the object: once the object is destroyed,
// the source offers nothing any more, so a drop never reaches a dead object.
//
// DragObject is what a control does when the user drags one of its objects out: offer it,
// run the drag (which starts only while a mouse button is down) and report the effect the
// drop target chose.
class AFX_EXT_CLASS CPersistObjectDataSource : public COleDataSource, public CListener {
public:
    explicit CPersistObjectDataSource(CPersistObject* object);
    ~CPersistObjectDataSource() override;

    // The offered object; null when none was given, the block could not be made, or the
    // object is gone.
    CPersistObject* GetOfferedObject() const { return mObject; }

    bool Respond(long code, CBroadcaster* broadcaster, long data1, long data2) override;

    static DROPEFFECT DragObject(CPersistObject* object,
                                 DWORD effects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
    // Whether a source of this process offers the object now.
    static bool IsOffered(const CPersistObject* object);

private:
    CPersistObject* mObject;
    static CPointerList sSources;
};
