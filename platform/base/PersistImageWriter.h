#pragma once
#include "BaseExport.h"
#include "Handle.h"
#include "PersistImageFormat.h"

#include <windows.h>

#include <string>
#include <vector>

// Builds the byte image of the plain persist storage (format in PersistImageFormat.h).
//
// An object is written only once something is saved inside it: entering puts the name on
// hold, the first value writes the held enter records. So a storage that is only used for
// loading - where objects are entered too - keeps an empty image, and an object without
// values takes no room.
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
    void BeginRecord(EPersistRecordKind kind, const char* name);
    void WriteRecordHead(EPersistRecordKind kind, const char* name);
    void WriteLength(unsigned long length);
    void AppendLittleEndian(unsigned __int64 value, int byteCount);

    CHandle mImage;
    std::vector<std::string> mHeldObjects;
    unsigned long mOpenObjects = 0;
};
