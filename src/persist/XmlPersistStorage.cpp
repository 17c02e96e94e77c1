#include "persist/XmlPersistStorage.h"

#include <cmath>

CXmlPersistStorage::CXmlPersistStorage(const char*, const char* filePath)
{
    mWriter.SetFilePath(filePath);
}

CXmlPersistStorage::~CXmlPersistStorage() = default;

void CXmlPersistStorage::EnterObject(const char* name)
{
    mWriter.EnterNode(name);
}

void CXmlPersistStorage::LeaveObject()
{
    mWriter.LeaveNode();
}

void CXmlPersistStorage::Save(const char* name, CHandle& value)
{
    Save(name, value.GetBuffer(), value.GetSize());
}

void CXmlPersistStorage::Save(const char* name, const char* value)
{
    SaveString(name, value);
}

void CXmlPersistStorage::Save(const char* name, float value)
{
    Save(name, static_cast<double>(value));
}

void CXmlPersistStorage::Save(const char* name, double value)
{
    if (value == 0.0 || std::isnan(value))
        return;
    CString text;
    text.Format("%f", value);
    SaveString(name, text);
}

void CXmlPersistStorage::Save(const char* name, __int64 value)
{
    unsigned char bytes[sizeof value];
    for (size_t i = 0; i < sizeof value; ++i)
        bytes[i] = static_cast<unsigned char>(static_cast<unsigned __int64>(value) >> (8 * i));
    SaveString(name, UHexConverter::MakeText(bytes, sizeof bytes, false));
}

void CXmlPersistStorage::Save(const char* name, long value)
{
    SaveValue(name, static_cast<unsigned long>(value));
}

void CXmlPersistStorage::Save(const char* name, unsigned long value)
{
    SaveValue(name, value);
}

void CXmlPersistStorage::Save(const char* name, short value)
{
    SaveValue(name, static_cast<unsigned long>(static_cast<long>(value)));
}

void CXmlPersistStorage::Save(const char* name, unsigned short value)
{
    SaveValue(name, value);
}

void CXmlPersistStorage::Save(const char* name, bool value)
{
    SaveValue(name, value ? 1 : 0);
}

void CXmlPersistStorage::Save(const char* name, char value)
{
    SaveValue(name, static_cast<unsigned long>(static_cast<long>(static_cast<signed char>(value))));
}

void CXmlPersistStorage::Save(const char* name, unsigned char value)
{
    SaveValue(name, value);
}

void CXmlPersistStorage::Save(const char* name, unsigned char* data, unsigned long length)
{
    if (data && length > 0)
        SaveString(name, UHexConverter::MakeText(data, length, false));
}

void CXmlPersistStorage::SaveValue(const char* name, unsigned long value)
{
    if (value == 0)
        return;
    CString text;
    text.Format("%d", static_cast<int>(value));
    SaveString(name, text);
}

void CXmlPersistStorage::SaveString(const char* name, const char* text)
{
    if (text && *text)
        mWriter.WriteValue(name, text);
}

bool CXmlPersistStorage::HasWriteFailed() const
{
    return mWriter.HasWriteFailed();
}
