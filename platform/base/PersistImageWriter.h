#pragma once
#include "BaseExport.h"
#include "Handle.h"
#include "PersistImageFormat.h"

#include <windows.h>

#include <string>
#include <vector>

// Builds the byte image of the plain persist storage (format in PersistImageFormat.h).
//
// Objects are written lazily: entering and leaving put records on hold, and the first
// value saved after them writes the held records first. So a storage that is only used
// for loading - where objects are entered too - keeps an empty image, and objects at the
// end of an image that hold nothing take no room.
//
// An object that holds nothing is still written when something is saved after it: the
// reader finds objects by name from its position onwards, so without the empty object it
// would find a later one of the same name and pass over every value saved in between.
class TNWBS_CLASS CPersistImageWriter {
public:
    void EnterObject(const char* name);
    void LeaveObject();

    void WriteInteger(const char* name, __int64 value);
    void WriteReal(const char* name, double value);
    void WriteText(const char* name, const char* text);
    void WriteBytes(const char* name, const void* data, unsigned long size);
    void WriteGuid(const char* name, const GUID& value);

    CHandle& GetImage();

private:
    struct SHeldRecord {
        EPersistRecordKind kind; // enter or leave
        std::string name;
    };

    void BeginRecord(EPersistRecordKind kind, const char* name);
    void WriteHeldRecords();
    void WriteRecordHead(EPersistRecordKind kind, const char* name);
    void WriteLength(unsigned long length);
    void AppendLittleEndian(unsigned __int64 value, int byteCount);

    CHandle mImage;
    std::vector<SHeldRecord> mHeldRecords;
    // Objects entered among the held records and not left yet.
    unsigned long mHeldOpenObjects = 0;
    // Objects whose enter record is written and whose leave record is not.
    unsigned long mOpenObjects = 0;
};
