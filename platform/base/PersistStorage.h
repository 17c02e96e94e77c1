#pragma once
#include "BaseExport.h"
#include "PersistImageReader.h"
#include "PersistImageWriter.h"

#include <windows.h>

class CHandle;

// Where persistent objects save and load their properties. Every storage derives from
// this class and overrides part of its interface; what it does not override keeps the
// behaviour below. A deriving storage that overrides some Save or Load overloads brings
// the others back into view with `using CPersistStorage::Save;` (and Load).
//
// A plain CPersistStorage keeps everything in memory as a byte image: saves are gathered
// into the image that GetData returns, and loads read the image handed to SetData (a copy
// is taken). To load what the same storage saved, hand its own image to SetData.
// The image format is described in PersistImageFormat.h. Loads find values by name inside
// the object being loaded (see CPersistImageReader), so an image stays readable when a
// class gains or loses properties, and a broken image loads as missing values, never
// reading or writing outside the buffers involved.
//
// Missing values load as by the XML reader, so that an object behaves alike whatever its
// storage: numbers as 0 (false, 0.0, a null GUID); texts, byte blocks and char buffers are
// left untouched; a CHandle is emptied. Numbers load from any number saved under the name
// (converted); texts only from texts; byte blocks and handles from either.
//
// A text is saved as its byte length (read back by LoadStringLength) followed by the
// text. LoadStringLength reads the length through the virtual Load(name, unsigned long&),
// so positional storages hand out the length's position first. After LoadStringLength, the
// next Load(name, char*) of the plain storage writes at most that many bytes and a
// terminator, so a broken image cannot overrun a buffer sized from the length.
//
// The name argument of every operation may be null (taken as empty). There is no int
// overload: a literal number names its type (7L, 7UL, short(7)).
class TNWBS_CLASS CPersistStorage {
public:
    CPersistStorage();
    virtual ~CPersistStorage();

    virtual void EnterObject(const char* name);
    virtual void LeaveObject();

    virtual void Save(const char* name, GUID& value);
    // A handle is saved as one byte block of the image. Storages that keep only plain
    // values (such as registry positions) take no position for it unless they override it.
    virtual void Save(const char* name, CHandle& value);
    // A null text is saved as an empty one.
    virtual void Save(const char* name, const char* value);
    virtual void Save(const char* name, float value);
    virtual void Save(const char* name, double value);
    virtual void Save(const char* name, __int64 value);
    virtual void Save(const char* name, long value);
    virtual void Save(const char* name, unsigned long value);
    virtual void Save(const char* name, short value);
    virtual void Save(const char* name, unsigned short value);
    virtual void Save(const char* name, bool value);
    virtual void Save(const char* name, char value);
    virtual void Save(const char* name, unsigned char value);
    virtual void Save(const char* name, unsigned char* data, unsigned long length);

    // With reset true, loading starts again at the beginning; false changes nothing.
    virtual void ResetLoad(bool reset);

    virtual void Load(const char* name, GUID& value);
    virtual void Load(const char* name, CHandle& value);
    // Nothing is stored through a null pointer.
    virtual void Load(const char* name, long* value);
    // At most size - 1 bytes and a terminator; size 0 writes nothing.
    virtual void Load(const char* name, char* buffer, unsigned long size);
    // The whole text and a terminator: the buffer must hold LoadStringLength + 1 bytes.
    virtual void Load(const char* name, char* buffer);
    virtual void Load(const char* name, float& value);
    virtual void Load(const char* name, double& value);
    virtual void Load(const char* name, __int64& value);
    virtual void Load(const char* name, long& value);
    virtual void Load(const char* name, unsigned long& value);
    virtual void Load(const char* name, short& value);
    virtual void Load(const char* name, unsigned short& value);
    virtual void Load(const char* name, bool& value);
    virtual void Load(const char* name, char& value);
    virtual void Load(const char* name, unsigned char& value);
    // At most length bytes, from the start of data; the rest of data is left alone.
    virtual void Load(const char* name, unsigned char* data, unsigned long length);
    // The byte length of a saved text (0 when missing), through Load(name, unsigned long&).
    virtual void LoadStringLength(const char* name, unsigned long& length);

    // The image saved so far and its size; valid until the next save. Null when empty.
    virtual unsigned char* GetData(unsigned long& size);
    // The image later loads read; loading starts at its beginning.
    virtual void SetData(const unsigned char* data, unsigned long size);

private:
    __int64 LoadInteger(const char* name);

    CPersistImageWriter mWriter;
    CPersistImageReader mReader;
    bool mStringLimited;
    unsigned long mStringLimit;
};
