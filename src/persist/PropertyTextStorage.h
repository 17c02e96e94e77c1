#pragma once
#include "afx.h"

#include "tnwbscut.h"

// What the inspector storages share: a storage that shows a saved object instead of
// keeping it, every value turned into the text an inspector shows (zero and empty values
// included). A deriving storage shows each property (ShowProperty) and marks where
// objects begin and end (EnterObject, LeaveObject). Nothing loads from it.
//
// Values as shown:
//   bool, unsigned char       "%d" of the byte (true is 1)
//   char, short               "%d" of the sign-extended value
//   unsigned short            "%d" of the zero-extended value
//   long, unsigned long       "%d" of the 32 bits
//   double, float             "%f" (a float widened to double first)
//   const char*               the text (null as an empty text)
//   byte block, CHandle       two hexadecimal digits per byte
// A GUID and a 64-bit number keep the base storage's behaviour and are not shown.
class AFX_EXT_CLASS CPropertyTextStorage : public CPersistStorage {
public:
    CPropertyTextStorage();
    ~CPropertyTextStorage() override;

    using CPersistStorage::Save;
    void Save(const char* name, CHandle& value) override;
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

    // Shows value formatted with "%d".
    void SaveValue(const char* name, unsigned long value);

protected:
    // Shows one property; name may be null.
    virtual void ShowProperty(const char* name, const char* text) = 0;
};
