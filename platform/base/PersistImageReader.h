#pragma once
#include "BaseExport.h"
#include "Handle.h"
#include "PersistImageFormat.h"

#include <windows.h>

// Answers loads from a byte image of the plain persist storage (format in
// PersistImageFormat.h) by name, inside the object being loaded.
//
// A value is looked for from the read position onwards, up to the end of the current
// object, skipping nested objects; the value found moves the read position past it. Loads
// in the order of the saves therefore find each value at once, values that a newer
// version of a class no longer asks for are skipped, and values it asks for that the image
// lacks are reported missing without losing the place. Entering an object the image lacks
// makes everything inside it missing.
//
// The image is never trusted: a name, length or kind that runs past the end or makes no
// sense ends the object there, and an image without the leading signature holds nothing.
class TNWBS_CLASS CPersistImageReader {
public:
    CPersistImageReader();

    void SetImage(const unsigned char* data, unsigned long size);
    // Back to the start of the image, outside every object.
    void Rewind();

    void EnterObject(const char* name);
    void LeaveObject();

    // Numbers are read from integer and real records alike. A real read as an integer
    // gives its whole part, clamped to the 64-bit range (not a number gives 0).
    bool ReadInteger(const char* name, __int64& value);
    bool ReadReal(const char* name, double& value);
    // text points into the image; it is not terminated.
    bool ReadText(const char* name, const char*& text, unsigned long& length);
    // Byte blocks are read from byte and text records alike.
    bool ReadBytes(const char* name, const unsigned char*& data, unsigned long& size);
    bool ReadGuid(const char* name, GUID& value);

private:
    struct Record {
        EPersistRecordKind kind;
        const char* name;
        unsigned long nameLength;
        const unsigned char* value;
        unsigned long valueLength;
        unsigned long next; // position of the following record
    };

    bool ReadRecord(unsigned long at, Record& record) const;
    bool ReadLength(unsigned long at, unsigned long& length) const;
    unsigned long SkipObject(unsigned long at) const;
    bool Find(const char* name, EPersistRecordKind kind, EPersistRecordKind alternative,
              Record& found);
    static bool HasName(const Record& record, const char* name);
    static unsigned __int64 LittleEndian(const unsigned char* bytes, int byteCount);

    CHandle mImage;
    unsigned long mPosition;
    unsigned long mOpenObjects;
    unsigned long mMissingObjects; // depth of objects entered inside one the image lacks
};
