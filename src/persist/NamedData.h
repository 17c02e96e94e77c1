#pragma once
#include "persist/NamedObject.h"

// A named object with a block of bytes, saved after the name as the nested object "data"
// (kDataTag). The caller fills and reads the bytes through GetData.
class AFX_EXT_CLASS CNamedData : public CNamedObject {
public:
    DECLARE_PERSIST_CLASS()

    static const long kNamedDataType = 'namd';
    static const char* const kDataTag;


    CNamedData();
    CNamedData(const CNamedData& other);
    CNamedData& operator=(const CNamedData& other);
    ~CNamedData() override;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CPersistHandle& GetData();

private:
    CPersistHandle mData;
};
