#include "ObjectController2.h"

#include "PersistObject.h"
#include "StringBuffer.h"

CObjectController2::CObjectController2() = default;

CObjectController2::~CObjectController2()
{
    if (mObject)
        mObject->RemoveListener(this);
}

void CObjectController2::SetObject(CPersistObject* object, bool refresh)
{
    if (object != mObject) {
        if (mObject)
            mObject->RemoveListener(this);
        mObject = object;
        if (mObject)
            mObject->AddListener(this);
    }
    if (refresh)
        Refresh();
}

void CObjectController2::Refresh() {}

char* CObjectController2::GetSummaryText()
{
    return UStringBuffer::Text("");
}

bool CObjectController2::IsValid()
{
    return !mObject || mObject->Validate(true);
}

bool CObjectController2::Respond(long property, CBroadcaster* broadcaster, long data1, long data2)
{
    if (!mObject || broadcaster != mObject)
        return CListener::Respond(property, broadcaster, data1, data2);
    if (property == CPersistObject::kObjectDestroyed) {
        // The object is half gone: only stop listening to it.
        mObject->RemoveListener(this);
        mObject = nullptr;
        return true;
    }
    Broadcast(kSettingsChanged, this, nullptr);
    return true;
}

void CObjectController2::RequestShow()
{
    Broadcast(kShowRequest, this, nullptr);
}
