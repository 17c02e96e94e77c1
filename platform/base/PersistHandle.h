#pragma once
#include "Handle.h"
#include "MetaClass.h"
#include "PersistObject.h"

// A block of bytes that saves and loads itself as a nested object: its size under "Size"
// and its bytes under "Bytes" (the byte-block overload, which every storage keeps, so the
// bytes survive registry positions as well as XML and byte images). Clear empties it.
//
// The size found when loading is trusted as far as memory allows; a size the memory
// cannot hold leaves the block empty.
class TNWBS_CLASS CPersistHandle : public CPersistObject, public CHandle {
public:
    static constexpr long kPersistHandleType = 'phnd';
    static const char* const kSizeTag;
    static const char* const kBytesTag;

    static CMetaClass sMetaClass;
    static bool sInitialized;
    static CPersistObject* Create();
    static bool Initialize();

    CPersistHandle();
    CPersistHandle(const CPersistHandle& other);
    CPersistHandle& operator=(const CPersistHandle& other);

    long GetObjectType() override;
    bool IsInstanceOf(long type) override;
    void Clear() override;
    CPersistObject* Clone() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;
};
