#include "ObjectListDisplay.h"

#undef GetObject

CObjectListDisplay::CObjectListDisplay(CObjectDisplay* parent) : CObjectControlDisplay(parent) {}

bool CObjectListDisplay::Respond(long code, CBroadcaster* broadcaster, long data1, long data2)
{
    if (code == CPersistObject::kObjectChanged && GetObject()
        && broadcaster == static_cast<CBroadcaster*>(GetObject())) {
        DisplayChanged(this);
        return true;
    }
    return CObjectControlDisplay::Respond(code, broadcaster, data1, data2);
}
