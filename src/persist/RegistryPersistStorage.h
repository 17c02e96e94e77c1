#pragma once
#include "persist/TextLoadLimit.h"
#include "tnwbscut.h"
#include "tnwwndut.h"

// Keeps the properties of persistent objects as numbered values under one key of the
// application's settings store, or in one section of an ini file when one is named. The
// storage is positional: the n-th value saved is stored under the value name n (decimal)
// and the names that objects give are ignored, so a load must ask for the values in the
// order in which they were saved. Saving and loading share the position; ResetLoad(true)
// starts again at 0.
//
// Layout under the key:
//   0, 1, 2 ...   the values in the order saved
//   "Has Data"    number 1, written by the destructor once any value was saved or loaded
//
// Values as stored (number: a DWORD, or decimal text in an ini file):
//   bool, unsigned char/short, long, unsigned long   one number (zero-extended)
//   char, short                                      one number, sign-extended (-1 is
//                                                    4294967295)
//   double, float                                    one text, "%f"
//   const char*                                      two: its length in bytes, the text
//   byte block                                       one text per chunk of 255 bytes (two
//                                                    hexadecimal digits a byte), the last
//                                                    chunk holding the rest; none for 0
// A missing number loads as 0, a missing text as an empty text. The GUID, CHandle and
// __int64 values, EnterObject and LeaveObject keep the base storage's behaviour and take
// no position.
//
// Decisions of this library:
// - LoadStringLength answers the stored length, but never more than the length of the
//   text stored after it; the next Load(name, char*) writes no more than that length and
//   a terminator (CTextLoadLimit). A length that disagrees with its text (an edited
//   value) can then neither overrun the caller's buffer nor ask it for more memory than
//   the text needs, and the positions after it stay in step.
// - A copy has the key, the position and an ini profile of its own naming the same file.
class AFX_EXT_CLASS CRegistryPersistStorage : public CPersistStorage {
public:
    static const char* const kHasDataValue;
    static const unsigned long kChunkSize = 255;

    // iniFile may be null: the values then go to the registry.
    CRegistryPersistStorage(const char* key, const char* iniFile);
    CRegistryPersistStorage(const CRegistryPersistStorage& other);
    CRegistryPersistStorage& operator=(const CRegistryPersistStorage& other);
    ~CRegistryPersistStorage() override;

    using CPersistStorage::Save;
    void Save(const char* name, const char* value) override;
    void Save(const char* name, float value) override;
    void Save(const char* name, double value) override;
    void Save(const char* name, long value) override;
    void Save(const char* name, unsigned long value) override;
    void Save(const char* name, short value) override;
    void Save(const char* name, unsigned short value) override;
    void Save(const char* name, bool value) override;
    void Save(const char* name, char value) override;
    void Save(const char* name, unsigned char value) override;
    void Save(const char* name, unsigned char* data, unsigned long length) override;

    void ResetLoad(bool reset) override;

    using CPersistStorage::Load;
    void Load(const char* name, long* value) override;
    void Load(const char* name, char* buffer) override;
    void Load(const char* name, float& value) override;
    void Load(const char* name, double& value) override;
    void Load(const char* name, long& value) override;
    void Load(const char* name, unsigned long& value) override;
    void Load(const char* name, short& value) override;
    void Load(const char* name, unsigned short& value) override;
    void Load(const char* name, bool& value) override;
    void Load(const char* name, char& value) override;
    void Load(const char* name, unsigned char& value) override;
    void Load(const char* name, unsigned char* data, unsigned long length) override;
    void LoadStringLength(const char* name, unsigned long& length) override;
    // Null, and size is left as it was: the values are no byte image.
    unsigned char* GetData(unsigned long& size) override;
    // Ignored.
    void SetData(const unsigned char* data, unsigned long size) override;

    // Whether a storage on this key ever saved or loaded a value; the position stays.
    bool HasData() const;
    // The value name of the current position.
    CString GetKey() const;

    void SaveValue(unsigned long value);
    void SaveString(const char* text);
    // 0 when missing.
    unsigned long LoadValue();
    // An empty text when missing.
    CString LoadStringA();

private:
    CString ReadText(const char* valueName) const;

    CIniProfile* mIniProfile;
    CString mKey;
    unsigned long mPosition;
    CTextLoadLimit mTextLimit;
};
