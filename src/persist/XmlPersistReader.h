#pragma once
#include "persist/TextLoadLimit.h"
#include "persist/XmlReader.h"
#include "tnwbscut.h"

// Loads persistent objects from an XML document. The whole document is read first; each
// property is then looked up by name among the children of the element of the object
// being loaded. So a document may lack properties (they load as missing), hold
// properties nobody asks for (ignored), and list them in any order. Entering a child
// object that is missing makes all its properties load as missing.
//
// Values as loaded (an element that is missing and one that is empty are the same):
//   bool                 "true"/"yes" true, "false"/"no" false (any case); other texts
//                        true when their number is not 0; missing false
//   char, short, long    the decimal number, narrowed; missing 0
//   and unsigned kinds
//   __int64              exactly 16 hexadecimal digits, least significant byte first;
//                        any other text 0; missing 0
//   double, float        the number's text read with atof; missing 0.0
//   char*, char* + size  the text (cut to size - 1 bytes and a terminator); missing:
//                        the buffer is left as it was
//   byte block           the hexadecimal digits' bytes, at most the buffer's length;
//                        missing: the buffer is left as it was
//   CHandle              sized to the decoded bytes; missing: emptied
//   LoadStringLength     the text's length plus 1 for the terminator; missing 0
// A GUID keeps the base storage's behaviour; nothing is ever saved through this storage.
//
// Decisions of this library:
// - Integers are read as atoi reads them, except that a decimal beyond the range of a
//   signed 32-bit number keeps its low 32 bits instead of saturating: 4294967295, as
//   other tools write the largest unsigned value, loads as 4294967295 like the -1 this
//   library writes for it.
// - A text load without a size (Load(name, char*)) after LoadStringLength writes no more
//   than the length reported (terminator included), whatever the document holds under
//   the name it is given (CTextLoadLimit).
// - The reader owns a CXmlReader and cannot be copied.
class AFX_EXT_CLASS CXmlPersistReader : public CPersistStorage {
public:
    // Reads and parses the file at once; name is not used.
    CXmlPersistReader(const char* name, const char* filePath);
    // Parses a whole document, declaration first.
    explicit CXmlPersistReader(const char* text);
    // Takes reader over and deletes it at the end.
    explicit CXmlPersistReader(CXmlReader* reader);
    // Reads the tree below node, which the caller keeps.
    explicit CXmlPersistReader(CXmlNode* node);
    CXmlPersistReader(const CXmlPersistReader&) = delete;
    CXmlPersistReader& operator=(const CXmlPersistReader&) = delete;
    ~CXmlPersistReader() override;

    void EnterObject(const char* name) override;
    void LeaveObject() override;
    void ResetLoad(bool reset) override;

    using CPersistStorage::Load;
    void Load(const char* name, CHandle& value) override;
    void Load(const char* name, long* value) override;
    void Load(const char* name, char* buffer, unsigned long size) override;
    void Load(const char* name, char* buffer) override;
    void Load(const char* name, float& value) override;
    void Load(const char* name, double& value) override;
    void Load(const char* name, __int64& value) override;
    void Load(const char* name, long& value) override;
    void Load(const char* name, unsigned long& value) override;
    void Load(const char* name, short& value) override;
    void Load(const char* name, unsigned short& value) override;
    void Load(const char* name, bool& value) override;
    void Load(const char* name, char& value) override;
    void Load(const char* name, unsigned char& value) override;
    void Load(const char* name, unsigned char* data, unsigned long length) override;
    void LoadStringLength(const char* name, unsigned long& length) override;
    // Null, and size is left as it was: the document is no byte image.
    unsigned char* GetData(unsigned long& size) override;
    // Ignored.
    void SetData(const unsigned char* data, unsigned long size) override;

    // The value under name; false (text untouched) when it is missing or empty.
    bool LoadStringA(const char* name, CString& text);
    // The value under name as a number; false (value untouched) when it is missing.
    bool LoadValue(const char* name, unsigned long& value);
    // Whether a document was read.
    bool HasData() const;

private:
    long LoadNumber(const char* name);

    CXmlReader* mReader;
    CTextLoadLimit mTextLimit;
};
