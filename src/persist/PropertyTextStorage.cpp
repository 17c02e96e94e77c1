#include "persist/PropertyTextStorage.h"

CPropertyTextStorage::CPropertyTextStorage() = default;
CPropertyTextStorage::~CPropertyTextStorage() = default;

void CPropertyTextStorage::Save(const char* name, CHandle& value)
{
    Save(name, value.GetBuffer(), value.GetSize());
}

void CPropertyTextStorage::Save(const char* name, const char* value)
{
    ShowProperty(name, value ? value : "");
}

void CPropertyTextStorage::Save(const char* name, float value)
{
    Save(name, static_cast<double>(value));
}

void CPropertyTextStorage::Save(const char* name, double value)
{
    CString text;
    text.Format("%f", value);
    ShowProperty(name, text);
}

void CPropertyTextStorage::Save(const char* name, long value)
{
    SaveValue(name, static_cast<unsigned long>(value));
}

void CPropertyTextStorage::Save(const char* name, unsigned long value)
{
    SaveValue(name, value);
}

void CPropertyTextStorage::Save(const char* name, short value)
{
    SaveValue(name, static_cast<unsigned long>(static_cast<long>(value)));
}

void CPropertyTextStorage::Save(const char* name, unsigned short value)
{
    SaveValue(name, value);
}

void CPropertyTextStorage::Save(const char* name, bool value)
{
    SaveValue(name, value ? 1 : 0);
}

void CPropertyTextStorage::Save(const char* name, char value)
{
    SaveValue(name, static_cast<unsigned long>(static_cast<long>(static_cast<signed char>(value))));
}

void CPropertyTextStorage::Save(const char* name, unsigned char value)
{
    SaveValue(name, value);
}

void CPropertyTextStorage::Save(const char* name, unsigned char* data, unsigned long length)
{
    ShowProperty(name, UHexConverter::MakeText(data, length, false));
}

void CPropertyTextStorage::SaveValue(const char* name, unsigned long value)
{
    CString text;
    text.Format("%d", static_cast<int>(value));
    ShowProperty(name, text);
}
