#include "PersistHandle.h"

#include "PersistStorage.h"

// Defined here as well, so that the module exports them: a program that binds one to a
// reference (std::max, a test assertion) links against this definition.
constexpr long CPersistHandle::kPersistHandleType;

const char* const CPersistHandle::kSizeTag = "Size";
const char* const CPersistHandle::kBytesTag = "Bytes";

IMPLEMENT_PERSIST_CLASS(CPersistHandle, CPersistObject, kPersistHandleType)

CPersistHandle::CPersistHandle() = default;

CPersistHandle::CPersistHandle(const CPersistHandle& other) = default;

CPersistHandle& CPersistHandle::operator=(const CPersistHandle& other) = default;

void CPersistHandle::Clear()
{
    Empty();
}

void CPersistHandle::SaveSelf(const char*, CPersistStorage& storage)
{
    storage.Save(kSizeTag, GetSize());
    storage.Save(kBytesTag, GetBuffer(), GetSize());
}

void CPersistHandle::LoadSelf(const char*, CPersistStorage& storage)
{
    unsigned long size = 0;
    storage.Load(kSizeTag, size);
    if (!Allocate(size, true, true)) {
        Empty();
        return;
    }
    storage.Load(kBytesTag, GetBuffer(), size);
}
