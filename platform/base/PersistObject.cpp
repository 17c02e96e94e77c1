#include "PersistObject.h"

#include "Handle.h"
#include "PersistStorage.h"

// Defined here as well, so that the module exports them: a program that binds one to a
// reference (std::max, a test assertion) links against this definition.
constexpr long CPersistObject::kPersistObjectVersion;
constexpr long CPersistObject::kPersistObjectType;
constexpr long CPersistObject::kObjectChanged;
constexpr long CPersistObject::kObjectDestroyed;

const char* const CPersistObject::kPersistObjectVersionTag = "ObjectVersion";

CPersistObject::CPersistObject() = default;

CPersistObject::CPersistObject(const CPersistObject& other) = default;

CPersistObject& CPersistObject::operator=(const CPersistObject& other) = default;

CPersistObject::~CPersistObject()
{
    StartBroadcasting();
    Notify(kObjectDestroyed, 0, 0);
}

long CPersistObject::GetObjectType()
{
    return kPersistObjectType;
}

bool CPersistObject::IsInstanceOf(long type)
{
    return type == kPersistObjectType;
}

bool CPersistObject::IsList()
{
    return false;
}

bool CPersistObject::Accept(CPersistObject*)
{
    return false;
}

char* CPersistObject::GetEnumText(long)
{
    return nullptr;
}

void CPersistObject::Clear() {}

bool CPersistObject::Validate(bool)
{
    return ValidateSelf();
}

bool CPersistObject::ValidateSelf()
{
    return true;
}

CPersistObject* CPersistObject::Clone()
{
    return nullptr;
}

void CPersistObject::Save(const char* name, CPersistStorage& storage)
{
    storage.EnterObject(name);
    CHandle version;
    unsigned char bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(kPersistObjectVersion >> (8 * i));
    version.Append(bytes, sizeof bytes);
    storage.Save(kPersistObjectVersionTag, version);
    SaveSelf(name, storage);
    storage.LeaveObject();
}

void CPersistObject::Load(const char* name, CPersistStorage& storage)
{
    storage.EnterObject(name);
    CHandle version;
    storage.Load(kPersistObjectVersionTag, version);
    LoadSelf(name, storage);
    storage.LeaveObject();
}

void CPersistObject::SaveSelf(const char*, CPersistStorage&) {}

void CPersistObject::LoadSelf(const char*, CPersistStorage&) {}
