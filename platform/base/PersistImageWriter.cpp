#include "PersistImageWriter.h"

#include <cstring>

void CPersistImageWriter::EnterObject(const char* name)
{
    mHeldRecords.push_back({ kPersistRecordEnter, name ? name : "" });
    ++mHeldOpenObjects;
}

void CPersistImageWriter::LeaveObject()
{
    if (mHeldOpenObjects > 0) {
        mHeldRecords.push_back({ kPersistRecordLeave, "" });
        --mHeldOpenObjects;
    } else if (mOpenObjects > 0) {
        WriteHeldRecords();
        WriteRecordHead(kPersistRecordLeave, "");
        --mOpenObjects;
    }
}

void CPersistImageWriter::WriteInteger(const char* name, __int64 value)
{
    BeginRecord(kPersistRecordInteger, name);
    AppendLittleEndian(static_cast<unsigned __int64>(value), 8);
}

void CPersistImageWriter::WriteReal(const char* name, double value)
{
    static_assert(sizeof(double) == 8, "doubles are kept as 8 bytes");
    __int64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    BeginRecord(kPersistRecordReal, name);
    AppendLittleEndian(static_cast<unsigned __int64>(bits), 8);
}

void CPersistImageWriter::WriteText(const char* name, const char* text)
{
    if (!text)
        text = "";
    unsigned long length = static_cast<unsigned long>(std::strlen(text));
    BeginRecord(kPersistRecordText, name);
    WriteLength(length);
    mImage.Append(text, length);
}

void CPersistImageWriter::WriteBytes(const char* name, const void* data, unsigned long size)
{
    if (!data)
        size = 0;
    BeginRecord(kPersistRecordBytes, name);
    WriteLength(size);
    mImage.Append(data, size);
}

void CPersistImageWriter::WriteGuid(const char* name, const GUID& value)
{
    BeginRecord(kPersistRecordGuid, name);
    mImage.Append(&value, sizeof value);
}

CHandle& CPersistImageWriter::GetImage()
{
    return mImage;
}

void CPersistImageWriter::BeginRecord(EPersistRecordKind kind, const char* name)
{
    if (mImage.GetSize() == 0) {
        mImage.Append(kPersistImageMagic, sizeof kPersistImageMagic);
        mImage.Append(&kPersistImageFormat, 1);
    }
    WriteHeldRecords();
    WriteRecordHead(kind, name);
}

void CPersistImageWriter::WriteHeldRecords()
{
    for (const SHeldRecord& held : mHeldRecords) {
        WriteRecordHead(held.kind, held.name.c_str());
        if (held.kind == kPersistRecordEnter)
            ++mOpenObjects;
        else
            --mOpenObjects;
    }
    mHeldRecords.clear();
    mHeldOpenObjects = 0;
}

void CPersistImageWriter::WriteRecordHead(EPersistRecordKind kind, const char* name)
{
    if (!name)
        name = "";
    unsigned long length = static_cast<unsigned long>(std::strlen(name));
    mImage.Append(&kind, 1);
    WriteLength(length);
    mImage.Append(name, length);
}

void CPersistImageWriter::WriteLength(unsigned long length)
{
    AppendLittleEndian(length, 4);
}

void CPersistImageWriter::AppendLittleEndian(unsigned __int64 value, int byteCount)
{
    unsigned char bytes[8];
    for (int i = 0; i < byteCount; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    mImage.Append(bytes, byteCount);
}
