#include "persist/XmlPersistReader.h"

#include <cstdlib>
#include <cstring>

namespace {

const int kInt64Digits = 16;

// The decimal number at the start of text, as atoi finds it, read at 64 bits.
long long ParseWide(const char* text)
{
    return std::strtoll(text, nullptr, 10);
}

// atoi, except that a number beyond 32 bits keeps its low 32 bits.
long ParseInteger(const char* text)
{
    return static_cast<long>(static_cast<unsigned long>(ParseWide(text)));
}

} // namespace

CXmlPersistReader::CXmlPersistReader(const char*, const char* filePath)
    : mReader(new CXmlReader)
{
    mReader->SetFilePath(filePath);
}

CXmlPersistReader::CXmlPersistReader(const char* text)
    : mReader(new CXmlReader)
{
    if (text)
        mReader->Parse(text);
}

CXmlPersistReader::CXmlPersistReader(CXmlReader* reader)
    : mReader(reader ? reader : new CXmlReader)
{
}

CXmlPersistReader::CXmlPersistReader(CXmlNode* node)
    : mReader(new CXmlReader)
{
    mReader->SetTopNode(node, false);
}

CXmlPersistReader::~CXmlPersistReader()
{
    delete mReader;
}

void CXmlPersistReader::EnterObject(const char* name)
{
    mReader->EnterNode(name);
}

void CXmlPersistReader::LeaveObject()
{
    mReader->LeaveNode();
}

void CXmlPersistReader::ResetLoad(bool) {}

void CXmlPersistReader::Load(const char* name, CHandle& value)
{
    CString text;
    if (!LoadStringA(name, text)) {
        value.Empty();
        return;
    }
    const unsigned long count = text.GetLength() / 2;
    if (!value.Allocate(count, true, true)) {
        value.Empty();
        return;
    }
    if (count > 0)
        std::memcpy(value.GetBuffer(), UHexConverter::MakeData(text, false), count);
}

void CXmlPersistReader::Load(const char* name, long* value)
{
    if (value)
        *value = LoadNumber(name);
}

void CXmlPersistReader::Load(const char* name, char* buffer, unsigned long size)
{
    CString text;
    if (!buffer || size == 0 || !LoadStringA(name, text))
        return;
    unsigned long length = text.GetLength();
    if (length >= size)
        length = size - 1;
    std::memcpy(buffer, static_cast<const char*>(text), length);
    buffer[length] = '\0';
}

void CXmlPersistReader::Load(const char* name, char* buffer)
{
    CString text;
    if (LoadStringA(name, text))
        mTextLimit.Copy(buffer, text, text.GetLength());
    else
        mTextLimit.Lift();
}

void CXmlPersistReader::Load(const char* name, float& value)
{
    double loaded;
    Load(name, loaded);
    value = static_cast<float>(loaded);
}

void CXmlPersistReader::Load(const char* name, double& value)
{
    CString text;
    value = LoadStringA(name, text) ? std::atof(UStringBuffer::ToMultiByte(static_cast<const char*>(text))) : 0.0;
}

void CXmlPersistReader::Load(const char* name, __int64& value)
{
    CString text;
    value = 0;
    if (!LoadStringA(name, text) || text.GetLength() != kInt64Digits)
        return;
    const unsigned char* bytes = UHexConverter::MakeData(text, false);
    unsigned __int64 number = 0;
    for (int i = kInt64Digits / 2 - 1; i >= 0; --i)
        number = (number << 8) | bytes[i];
    value = static_cast<__int64>(number);
}

void CXmlPersistReader::Load(const char* name, long& value)
{
    value = LoadNumber(name);
}

void CXmlPersistReader::Load(const char* name, unsigned long& value)
{
    value = static_cast<unsigned long>(LoadNumber(name));
}

void CXmlPersistReader::Load(const char* name, short& value)
{
    value = static_cast<short>(LoadNumber(name));
}

void CXmlPersistReader::Load(const char* name, unsigned short& value)
{
    value = static_cast<unsigned short>(LoadNumber(name));
}

void CXmlPersistReader::Load(const char* name, bool& value)
{
    CString text;
    if (!LoadStringA(name, text)) {
        value = false;
        return;
    }
    text.MakeLower();
    if (text == "true" || text == "yes")
        value = true;
    else if (text == "false" || text == "no")
        value = false;
    else
        value = ParseWide(text) != 0;
}

void CXmlPersistReader::Load(const char* name, char& value)
{
    value = static_cast<char>(LoadNumber(name));
}

void CXmlPersistReader::Load(const char* name, unsigned char& value)
{
    value = static_cast<unsigned char>(LoadNumber(name));
}

void CXmlPersistReader::Load(const char* name, unsigned char* data, unsigned long length)
{
    CString text;
    if (!data || !LoadStringA(name, text))
        return;
    unsigned long count = text.GetLength() / 2;
    if (count > length)
        count = length;
    if (count > 0)
        std::memcpy(data, UHexConverter::MakeData(text, false), count);
}

void CXmlPersistReader::LoadStringLength(const char* name, unsigned long& length)
{
    CString text;
    length = LoadStringA(name, text) ? text.GetLength() + 1 : 0;
    mTextLimit.Set(length);
}

unsigned char* CXmlPersistReader::GetData(unsigned long&)
{
    return nullptr;
}

void CXmlPersistReader::SetData(const unsigned char*, unsigned long) {}

bool CXmlPersistReader::LoadStringA(const char* name, CString& text)
{
    CString value = mReader->ReadValue(name);
    if (value.IsEmpty())
        return false;
    text = value;
    return true;
}

bool CXmlPersistReader::LoadValue(const char* name, unsigned long& value)
{
    CString text;
    if (!LoadStringA(name, text))
        return false;
    value = static_cast<unsigned long>(ParseInteger(text));
    return true;
}

bool CXmlPersistReader::HasData() const
{
    return mReader->HasData();
}

long CXmlPersistReader::LoadNumber(const char* name)
{
    unsigned long value = 0;
    LoadValue(name, value);
    return static_cast<long>(value);
}
