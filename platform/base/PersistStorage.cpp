#include "PersistStorage.h"

#include "Handle.h"

#include <algorithm>
#include <cstring>

CPersistStorage::CPersistStorage() : mStringLimited(false), mStringLimit(0) {}

CPersistStorage::~CPersistStorage() = default;

void CPersistStorage::EnterObject(const char* name)
{
    // One storage object serves a save pass or a load pass; it cannot tell which, so both
    // sides follow the object structure.
    mWriter.EnterObject(name);
    mReader.EnterObject(name);
}

void CPersistStorage::LeaveObject()
{
    mWriter.LeaveObject();
    mReader.LeaveObject();
}

void CPersistStorage::Save(const char* name, GUID& value)
{
    mWriter.WriteGuid(name, value);
}

void CPersistStorage::Save(const char* name, CHandle& value)
{
    mWriter.WriteBytes(name, value.GetBuffer(), value.GetSize());
}

void CPersistStorage::Save(const char* name, const char* value)
{
    if (!value)
        value = "";
    mWriter.WriteInteger(name, static_cast<__int64>(std::strlen(value)));
    mWriter.WriteText(name, value);
}

void CPersistStorage::Save(const char* name, float value)
{
    mWriter.WriteReal(name, value);
}

void CPersistStorage::Save(const char* name, double value)
{
    mWriter.WriteReal(name, value);
}

void CPersistStorage::Save(const char* name, __int64 value)
{
    mWriter.WriteInteger(name, value);
}

void CPersistStorage::Save(const char* name, long value)
{
    mWriter.WriteInteger(name, value);
}

void CPersistStorage::Save(const char* name, unsigned long value)
{
    mWriter.WriteInteger(name, value);
}

void CPersistStorage::Save(const char* name, short value)
{
    mWriter.WriteInteger(name, value);
}

void CPersistStorage::Save(const char* name, unsigned short value)
{
    mWriter.WriteInteger(name, value);
}

void CPersistStorage::Save(const char* name, bool value)
{
    mWriter.WriteInteger(name, value ? 1 : 0);
}

void CPersistStorage::Save(const char* name, char value)
{
    mWriter.WriteInteger(name, static_cast<signed char>(value));
}

void CPersistStorage::Save(const char* name, unsigned char value)
{
    mWriter.WriteInteger(name, value);
}

void CPersistStorage::Save(const char* name, unsigned char* data, unsigned long length)
{
    mWriter.WriteBytes(name, data, length);
}

void CPersistStorage::ResetLoad(bool reset)
{
    if (reset)
        mReader.Rewind();
}

void CPersistStorage::Load(const char* name, GUID& value)
{
    if (!mReader.ReadGuid(name, value))
        value = GUID_NULL;
}

void CPersistStorage::Load(const char* name, CHandle& value)
{
    const unsigned char* data;
    unsigned long size;
    if (!mReader.ReadBytes(name, data, size)) {
        value.Empty();
        return;
    }
    if (value.Allocate(size, true, false) && size > 0)
        std::memcpy(value.GetBuffer(), data, size);
}

void CPersistStorage::Load(const char* name, long* value)
{
    __int64 loaded = LoadInteger(name);
    if (value)
        *value = static_cast<long>(loaded);
}

void CPersistStorage::Load(const char* name, char* buffer, unsigned long size)
{
    const char* text;
    unsigned long length;
    if (!mReader.ReadText(name, text, length) || !buffer || size == 0)
        return;
    length = std::min(length, size - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

void CPersistStorage::Load(const char* name, char* buffer)
{
    bool limited = mStringLimited;
    mStringLimited = false;
    const char* text;
    unsigned long length;
    if (!mReader.ReadText(name, text, length) || !buffer)
        return;
    if (limited)
        length = std::min(length, mStringLimit);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

void CPersistStorage::Load(const char* name, float& value)
{
    double loaded;
    Load(name, loaded);
    value = static_cast<float>(loaded);
}

void CPersistStorage::Load(const char* name, double& value)
{
    if (!mReader.ReadReal(name, value))
        value = 0.0;
}

void CPersistStorage::Load(const char* name, __int64& value)
{
    value = LoadInteger(name);
}

void CPersistStorage::Load(const char* name, long& value)
{
    value = static_cast<long>(LoadInteger(name));
}

void CPersistStorage::Load(const char* name, unsigned long& value)
{
    value = static_cast<unsigned long>(LoadInteger(name));
}

void CPersistStorage::Load(const char* name, short& value)
{
    value = static_cast<short>(LoadInteger(name));
}

void CPersistStorage::Load(const char* name, unsigned short& value)
{
    value = static_cast<unsigned short>(LoadInteger(name));
}

void CPersistStorage::Load(const char* name, bool& value)
{
    value = LoadInteger(name) != 0;
}

void CPersistStorage::Load(const char* name, char& value)
{
    value = static_cast<char>(LoadInteger(name));
}

void CPersistStorage::Load(const char* name, unsigned char& value)
{
    value = static_cast<unsigned char>(LoadInteger(name));
}

void CPersistStorage::Load(const char* name, unsigned char* data, unsigned long length)
{
    const unsigned char* saved;
    unsigned long size;
    if (!mReader.ReadBytes(name, saved, size) || !data)
        return;
    std::memcpy(data, saved, std::min(size, length));
}

void CPersistStorage::LoadStringLength(const char* name, unsigned long& length)
{
    Load(name, length);
    mStringLimited = true;
    mStringLimit = length;
}

unsigned char* CPersistStorage::GetData(unsigned long& size)
{
    CHandle& image = mWriter.GetImage();
    size = image.GetSize();
    return size > 0 ? image.GetBuffer() : nullptr;
}

void CPersistStorage::SetData(const unsigned char* data, unsigned long size)
{
    mReader.SetImage(data, size);
    mStringLimited = false;
}

__int64 CPersistStorage::LoadInteger(const char* name)
{
    __int64 value;
    return mReader.ReadInteger(name, value) ? value : 0;
}
