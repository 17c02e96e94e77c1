#include "display/PersistObjectDataSource.h"
#include "display/PersistObjectDropTarget.h"

#include <cstring>

CPointerList CPersistObjectDataSource::sSources;

CPersistObjectDataSource::CPersistObjectDataSource(CPersistObject* object) : mObject(nullptr)
{
    if (!object || !CPersistObjectDropTarget::sPersistObjectFormat)
        return;
    HGLOBAL block = ::GlobalAlloc(0, sizeof object);
    void* bytes = block ? ::GlobalLock(block) : nullptr;
    if (!bytes) {
        if (block)
            ::GlobalFree(block);
        return;
    }
    memcpy(bytes, &object, sizeof object);
    ::GlobalUnlock(block);
    // The source owns the block from here on.
    CacheGlobalData(CPersistObjectDropTarget::sPersistObjectFormat, block);
    mObject = object;
    mObject->AddListener(this);
    sSources.Add(this);
}

CPersistObjectDataSource::~CPersistObjectDataSource()
{
    sSources.Remove(this);
}

bool CPersistObjectDataSource::Respond(long code, CBroadcaster* broadcaster, long data1, long data2)
{
    if (code == CPersistObject::kObjectDestroyed && broadcaster == mObject) {
        mObject = nullptr;
        Empty();
        return true;
    }
    return CListener::Respond(code, broadcaster, data1, data2);
}

DROPEFFECT CPersistObjectDataSource::DragObject(CPersistObject* object, DWORD effects)
{
    CPersistObjectDataSource source(object);
    if (!source.GetOfferedObject())
        return DROPEFFECT_NONE;
    return source.DoDragDrop(effects);
}

bool CPersistObjectDataSource::IsOffered(const CPersistObject* object)
{
    if (!object)
        return false;
    for (int index = 0; index < sSources.GetItemCount(); ++index) {
        if (static_cast<CPersistObjectDataSource*>(sSources.GetAt(index))->mObject == object)
            return true;
    }
    return false;
}
