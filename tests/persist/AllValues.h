#pragma once
#include "tnwmfcut.h"

#include <string>
#include <vector>

// A settings object with a property of every value type a storage keeps, names with
// blanks among them, and a nested object, for round trips through every storage.
class CAllValues : public CPersistObject {
public:
    bool mFlag = false;
    char mSigned8 = 0;
    unsigned char mUnsigned8 = 0;
    short mSigned16 = 0;
    unsigned short mUnsigned16 = 0;
    long mSigned32 = 0;
    unsigned long mUnsigned32 = 0;
    __int64 mSigned64 = 0;
    float mSingle = 0;
    double mDouble = 0;
    CString mTitle;
    CString mFolder;
    std::vector<unsigned char> mBlock;
    CNamedValue mEntry;

    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Every field filled with a value that tests the edges of its type.
    static CAllValues Extremes(unsigned long blockSize);
    // A description of every field, for comparing two objects in one assertion.
    std::string Describe() const;
};

// Bytes 0, 1, 2 ... (wrapping at 256), so that any shifted or lost byte shows.
std::vector<unsigned char> CountingBytes(unsigned long count);
