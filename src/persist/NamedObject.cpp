#include "persist/NamedObject.h"

#include "persist/PersistUtils.h"

#include <mbstring.h>

const long CNamedObject::kNamedObjectType;
const long CNamedObject::kNameChanged;
const char* const CNamedObject::kNameTag = "name";

IMPLEMENT_PERSIST_CLASS(CNamedObject, CPersistObject, kNamedObjectType)

CNamedObject::CNamedObject() = default;

CNamedObject::CNamedObject(const CNamedObject& other) = default;

CNamedObject& CNamedObject::operator=(const CNamedObject& other) = default;

CNamedObject::~CNamedObject() = default;

void CNamedObject::SaveSelf(const char*, CPersistStorage& storage)
{
    storage.Save(kNameTag, static_cast<const char*>(mName));
}

void CNamedObject::LoadSelf(const char*, CPersistStorage& storage)
{
    UPersistUtils::Load(storage, kNameTag, mName);
}

CString CNamedObject::ValidateName(const char* name)
{
    return CString(name);
}

void CNamedObject::SideEffectNameChanged() {}

bool CNamedObject::SetName(const char* name)
{
    if (!StoreChanged(mName, ValidateName(name), kNameChanged))
        return false;
    SideEffectNameChanged();
    return true;
}

CString& CNamedObject::GetName()
{
    return mName;
}

bool CNamedObject::StoreChanged(CString& field, const CString& candidate, long notice)
{
    if (_mbscmp(reinterpret_cast<const unsigned char*>(static_cast<const char*>(candidate)),
                reinterpret_cast<const unsigned char*>(static_cast<const char*>(field))) == 0)
        return false;
    field = candidate;
    Notify(notice, 0, 0);
    return true;
}
