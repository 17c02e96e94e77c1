#include "persist/NamedData.h"

const long CNamedData::kNamedDataType;
const char* const CNamedData::kDataTag = "data";

CMetaClass CNamedData::sMetaClass;
bool CNamedData::sInitialized = CNamedData::Initialize();

CPersistObject* CNamedData::Create()
{
    return new CNamedData;
}

bool CNamedData::Initialize()
{
    sMetaClass.SetType(kNamedDataType);
    sMetaClass.SetNewObjectFunc(Create);
    return true;
}

CNamedData::CNamedData() = default;

CNamedData::CNamedData(const CNamedData& other) = default;

CNamedData& CNamedData::operator=(const CNamedData& other) = default;

CNamedData::~CNamedData() = default;

long CNamedData::GetObjectType()
{
    return kNamedDataType;
}

bool CNamedData::IsInstanceOf(long type)
{
    return type == kNamedDataType || CNamedObject::IsInstanceOf(type);
}

CPersistObject* CNamedData::Clone()
{
    CNamedData* clone = new CNamedData;
    *clone = *this;
    return clone;
}

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
