#pragma once
#include "persist/XmlWriter.h"
#include "tnwbscut.h"

// Saves persistent objects as an XML document (the text form of CXmlNode): every object
// is an element, every property that is not empty a child element holding its value as
// text. The file is written when the outermost object is left, not when the storage is
// destroyed; a storage destroyed with an object still open writes nothing.
//
// Values as written (nothing is written in the cases named):
//   bool                      "1"; false not written
//   char, short, long         signed decimal ("%d"); 0 not written
//   unsigned char/short/long  "%d" of the same 32 bits, so 4294967295 is written -1;
//                             0 not written
//   __int64                   16 hexadecimal digits of its 8 bytes, least significant
//                             byte first; always written (0 gives 16 zeros)
//   double, float             "%f" (six decimals); 0 and not-a-number not written
//   const char*               the text; null or empty not written
//   byte block, CHandle       two hexadecimal digits per byte in one element; none for
//                             0 bytes
// A GUID keeps the base storage's behaviour and does not reach the document; nothing is
// ever loaded through this storage (see CXmlPersistReader).
//
// Decisions of this library:
// - A text holding "<" is written with character references (UXmlValueText) instead of
//   being dropped; texts without it are written byte for byte.
// - HasWriteFailed tells whether the last document could not be written at any path;
//   the saves themselves keep reporting nothing.
class AFX_EXT_CLASS CXmlPersistStorage : public CPersistStorage {
public:
    // name is not used: the outermost element is named by the first EnterObject.
    CXmlPersistStorage(const char* name, const char* filePath);
    ~CXmlPersistStorage() override;

    void EnterObject(const char* name) override;
    void LeaveObject() override;

    using CPersistStorage::Save;
    void Save(const char* name, CHandle& value) override;
    void Save(const char* name, const char* value) override;
    void Save(const char* name, float value) override;
    void Save(const char* name, double value) override;
    void Save(const char* name, __int64 value) override;
    void Save(const char* name, long value) override;
    void Save(const char* name, unsigned long value) override;
    void Save(const char* name, short value) override;
    void Save(const char* name, unsigned short value) override;
    void Save(const char* name, bool value) override;
    void Save(const char* name, char value) override;
    void Save(const char* name, unsigned char value) override;
    void Save(const char* name, unsigned char* data, unsigned long length) override;

    // Writes value with "%d" unless it is 0.
    void SaveValue(const char* name, unsigned long value);
    // Writes text unless it is null or empty.
    void SaveString(const char* name, const char* text);

    bool HasWriteFailed() const;

private:
    CXmlWriter mWriter;
};
