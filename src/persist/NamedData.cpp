#include "persist/NamedData.h"

const long CNamedData::kNamedDataType;
const char* const CNamedData::kDataTag = "data";

IMPLEMENT_PERSIST_CLASS(CNamedData, CNamedObject, kNamedDataType)

CNamedData::CNamedData() = default;

CNamedData::CNamedData(const CNamedData& other) = default;

CNamedData& CNamedData::operator=(const CNamedData& other) = default;

CNamedData::~CNamedData() = default;

void CNamedData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    mData.Save(kDataTag, storage);
}

void CNamedData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    mData.Load(kDataTag, storage);
}

CPersistHandle& CNamedData::GetData()
{
    return mData;
}
