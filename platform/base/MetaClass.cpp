#include "MetaClass.h"

CMetaClass* CMetaClass::sFirst = nullptr;

CMetaClass::CMetaClass() : mType(0), mNewObject(nullptr), mNext(nullptr)
{
    Link();
}

CMetaClass::~CMetaClass()
{
    Unlink();
}

void CMetaClass::SetType(long type)
{
    mType = type;
    Unlink();
    Link();
}

long CMetaClass::GetType() const
{
    return mType;
}

void CMetaClass::SetNewObjectFunc(NewObjectFunc newObject)
{
    mNewObject = newObject;
    Unlink();
    Link();
}

CMetaClass::NewObjectFunc CMetaClass::GetNewObjectFunc() const
{
    return mNewObject;
}

CPersistObject* CMetaClass::NewObject() const
{
    return mNewObject ? mNewObject() : nullptr;
}

CMetaClass* CMetaClass::Find(long type)
{
    for (CMetaClass* meta = sFirst; meta; meta = meta->mNext) {
        if (meta->mType == type && meta->mNewObject)
            return meta;
    }
    return nullptr;
}

CPersistObject* CMetaClass::CreateObject(long type)
{
    CMetaClass* meta = Find(type);
    return meta ? meta->NewObject() : nullptr;
}

void CMetaClass::Link()
{
    mNext = sFirst;
    sFirst = this;
}

void CMetaClass::Unlink()
{
    for (CMetaClass** link = &sFirst; *link; link = &(*link)->mNext) {
        if (*link == this) {
            *link = mNext;
            break;
        }
    }
    mNext = nullptr;
}
