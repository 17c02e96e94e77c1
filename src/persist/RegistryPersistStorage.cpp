#include "persist/RegistryPersistStorage.h"

#include <cstdlib>
#include <cstring>

const unsigned long CRegistryPersistStorage::kChunkSize;
const char* const CRegistryPersistStorage::kHasDataValue = "Has Data";

CRegistryPersistStorage::CRegistryPersistStorage(const char* key, const char* iniFile)
    : mIniProfile(nullptr)
    , mKey(key)
    , mPosition(0)
{
    if (iniFile) {
        mIniProfile = new CIniProfile;
        mIniProfile->SetIniFile(iniFile);
    }
}

CRegistryPersistStorage::CRegistryPersistStorage(const CRegistryPersistStorage& other)
    : CPersistStorage(other)
    , mIniProfile(other.mIniProfile ? new CIniProfile(*other.mIniProfile) : nullptr)
    , mKey(other.mKey)
    , mPosition(other.mPosition)
{
}

CRegistryPersistStorage& CRegistryPersistStorage::operator=(const CRegistryPersistStorage& other)
{
    if (this == &other)
        return *this;
    CPersistStorage::operator=(other);
    CIniProfile* profile = other.mIniProfile ? new CIniProfile(*other.mIniProfile) : nullptr;
    delete mIniProfile;
    mIniProfile = profile;
    mKey = other.mKey;
    mPosition = other.mPosition;
    mTextLimit = other.mTextLimit;
    return *this;
}

CRegistryPersistStorage::~CRegistryPersistStorage()
{
    if (mPosition != 0)
        CRegistry(mKey, kHasDataValue, mIniProfile).SetValue(1);
    delete mIniProfile;
}

void CRegistryPersistStorage::Save(const char*, const char* value)
{
    if (!value)
        value = "";
    SaveValue(static_cast<unsigned long>(std::strlen(value)));
    SaveString(value);
}

void CRegistryPersistStorage::Save(const char* name, float value)
{
    Save(name, static_cast<double>(value));
}

void CRegistryPersistStorage::Save(const char*, double value)
{
    CString text;
    text.Format("%f", value);
    SaveString(text);
}

void CRegistryPersistStorage::Save(const char*, long value)
{
    SaveValue(static_cast<unsigned long>(value));
}

void CRegistryPersistStorage::Save(const char*, unsigned long value)
{
    SaveValue(value);
}

void CRegistryPersistStorage::Save(const char*, short value)
{
    SaveValue(static_cast<unsigned long>(static_cast<long>(value)));
}

void CRegistryPersistStorage::Save(const char*, unsigned short value)
{
    SaveValue(value);
}

void CRegistryPersistStorage::Save(const char*, bool value)
{
    SaveValue(value ? 1 : 0);
}

void CRegistryPersistStorage::Save(const char*, char value)
{
    SaveValue(static_cast<unsigned long>(static_cast<long>(static_cast<signed char>(value))));
}

void CRegistryPersistStorage::Save(const char*, unsigned char value)
{
    SaveValue(value);
}

void CRegistryPersistStorage::Save(const char*, unsigned char* data, unsigned long length)
{
    if (!data || length == 0)
        return;
    unsigned long offset = 0;
    for (; length - offset > kChunkSize; offset += kChunkSize)
        SaveString(UHexConverter::MakeText(data + offset, kChunkSize, false));
    SaveString(UHexConverter::MakeText(data + offset, length - offset, false));
}

void CRegistryPersistStorage::ResetLoad(bool reset)
{
    if (reset)
        mPosition = 0;
}

void CRegistryPersistStorage::Load(const char*, long* value)
{
    const unsigned long loaded = LoadValue();
    if (value)
        *value = static_cast<long>(loaded);
}

void CRegistryPersistStorage::Load(const char*, char* buffer)
{
    const CString text = LoadStringA();
    mTextLimit.Copy(buffer, text, text.GetLength());
}

void CRegistryPersistStorage::Load(const char* name, float& value)
{
    double loaded;
    Load(name, loaded);
    value = static_cast<float>(loaded);
}

void CRegistryPersistStorage::Load(const char*, double& value)
{
    value = std::atof(LoadStringA());
}

void CRegistryPersistStorage::Load(const char*, long& value)
{
    value = static_cast<long>(LoadValue());
}

void CRegistryPersistStorage::Load(const char*, unsigned long& value)
{
    value = LoadValue();
}

void CRegistryPersistStorage::Load(const char*, short& value)
{
    value = static_cast<short>(LoadValue());
}

void CRegistryPersistStorage::Load(const char*, unsigned short& value)
{
    value = static_cast<unsigned short>(LoadValue());
}

void CRegistryPersistStorage::Load(const char*, bool& value)
{
    value = LoadValue() != 0;
}

void CRegistryPersistStorage::Load(const char*, char& value)
{
    value = static_cast<char>(LoadValue());
}

void CRegistryPersistStorage::Load(const char*, unsigned char& value)
{
    value = static_cast<unsigned char>(LoadValue());
}

void CRegistryPersistStorage::Load(const char*, unsigned char* data, unsigned long length)
{
    // Positions are taken as the save took them, even when there is no buffer to fill.
    unsigned long offset = 0;
    while (offset < length) {
        const CString text = LoadStringA();
        const unsigned long count = text.GetLength() / 2;
        const unsigned long copied = count < length - offset ? count : length - offset;
        if (data && copied > 0)
            std::memcpy(data + offset, UHexConverter::MakeData(text, false), copied);
        offset += copied;
        if (count < kChunkSize)
            break;
    }
}

void CRegistryPersistStorage::LoadStringLength(const char* name, unsigned long& length)
{
    CPersistStorage::LoadStringLength(name, length);
    // The position now names the text itself.
    const unsigned long stored = ReadText(GetKey()).GetLength();
    if (length > stored)
        length = stored;
    mTextLimit.Set(length + 1);
}

unsigned char* CRegistryPersistStorage::GetData(unsigned long&)
{
    return nullptr;
}

void CRegistryPersistStorage::SetData(const unsigned char*, unsigned long) {}

bool CRegistryPersistStorage::HasData() const
{
    return CRegistry(mKey, kHasDataValue, mIniProfile).GetValue(0) != 0;
}

CString CRegistryPersistStorage::GetKey() const
{
    CString key;
    key.Format("%d", static_cast<int>(mPosition));
    return key;
}

void CRegistryPersistStorage::SaveValue(unsigned long value)
{
    CRegistry(mKey, GetKey(), mIniProfile).SetValue(value);
    ++mPosition;
}

void CRegistryPersistStorage::SaveString(const char* text)
{
    CRegistry(mKey, GetKey(), mIniProfile).SetTextValue(text);
    ++mPosition;
}

unsigned long CRegistryPersistStorage::LoadValue()
{
    const unsigned long value = CRegistry(mKey, GetKey(), mIniProfile).GetValue(0);
    ++mPosition;
    return value;
}

CString CRegistryPersistStorage::LoadStringA()
{
    const CString text = ReadText(GetKey());
    ++mPosition;
    return text;
}

CString CRegistryPersistStorage::ReadText(const char* valueName) const
{
    CRegistry value(mKey, valueName, mIniProfile);
    const char* text = value.GetTextValue(nullptr);
    return CString(text ? text : "");
}
