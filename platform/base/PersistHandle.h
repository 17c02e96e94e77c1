#pragma once
#include "Handle.h"
#include "PersistClass.h"

// A block of bytes that saves and loads itself as a nested object: its size under "Size"
// and its bytes under "Bytes" (the byte-block overload, which every storage keeps, so the
// bytes survive registry positions as well as XML and byte images). Clear empties it.
//
// The size found when loading is trusted as far as memory allows; a size the memory
// cannot hold leaves the block empty.
class TNWBS_CLASS CPersistHandle : public CPersistObject, public CHandle {
public:
    DECLARE_PERSIST_CLASS()

    static constexpr long kPersistHandleType = 'phnd';
    static const char* const kSizeTag;
    static const char* const kBytesTag;


    CPersistHandle();
    CPersistHandle(const CPersistHandle& other);
    CPersistHandle& operator=(const CPersistHandle& other);

    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;
};
