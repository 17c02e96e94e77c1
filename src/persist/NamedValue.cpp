#include "persist/NamedValue.h"

#include "persist/PersistUtils.h"

const long CNamedValue::kNamedValueType;
const long CNamedValue::kValueChanged;
const char* const CNamedValue::kValueTag = "value";

IMPLEMENT_PERSIST_CLASS(CNamedValue, CNamedObject, kNamedValueType)

CNamedValue::CNamedValue() = default;

CNamedValue::CNamedValue(const CNamedValue& other) = default;

CNamedValue& CNamedValue::operator=(const CNamedValue& other) = default;

CNamedValue::~CNamedValue() = default;

void CNamedValue::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save(kValueTag, static_cast<const char*>(mValue));
}

void CNamedValue::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, kValueTag, mValue);
}

CString CNamedValue::ValidateValue(const char* value)
{
    return CString(value);
}

void CNamedValue::SideEffectValueChanged() {}

bool CNamedValue::SetValue(const char* value)
{
    if (!StoreChanged(mValue, ValidateValue(value), kValueChanged))
        return false;
    SideEffectValueChanged();
    return true;
}

CString& CNamedValue::GetValue()
{
    return mValue;
}
