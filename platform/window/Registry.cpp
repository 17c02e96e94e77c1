#include "Registry.h"

#include "ApplicationUtils.h"
#include "FileUtils.h"

#include <windows.h>

#include <cstdio>
#include <vector>

CTwCriticalSection CRegistry::sDefaultsLock;
std::string CRegistry::sDefaultCompany;
std::string CRegistry::sDefaultApplication;

namespace {

// The maker, under whose key every application of the family keeps its settings.
const char* const kMakerCompany = "Tarnwell";

// A name usable as one registry key and one folder: no separators, no characters that
// a file name cannot hold.
std::string SafeName(const char* name)
{
    std::string safe = name ? name : "";
    for (char& c : safe) {
        if (static_cast<unsigned char>(c) < ' ' || std::string("\\/:*?\"<>|").find(c) != std::string::npos)
            c = '_';
    }
    return safe;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Decimal text to a 32-bit number. A leading minus gives the two's complement pattern,
// as a signed value stored through an unsigned one has. Anything else is not a number.
bool ParseNumber(const std::string& text, unsigned long& number)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    const bool negative = begin < end && text[begin] == '-';
    if (negative)
        ++begin;
    if (begin == end)
        return false;
    const unsigned long long limit = negative ? 0x80000000ull : 0xFFFFFFFFull;
    unsigned long long value = 0;
    for (size_t i = begin; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > limit)
            return false;
    }
    number = static_cast<unsigned long>(negative ? (0x100000000ull - value) & 0xFFFFFFFFull : value);
    return true;
}

std::string NumberText(unsigned long number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%lu", number);
    return text;
}

// Closes a registry key on every path out of a scope.
class StRegistryKey {
public:
    StRegistryKey() = default;
    ~StRegistryKey()
    {
        if (mKey)
            RegCloseKey(mKey);
    }
    StRegistryKey(const StRegistryKey&) = delete;
    StRegistryKey& operator=(const StRegistryKey&) = delete;

    HKEY* Receive() { return &mKey; }
    HKEY Get() const { return mKey; }

private:
    HKEY mKey = nullptr;
};

} // namespace

CRegistry::CRegistry(const char* key, const char* value, CIniProfile* ini)
    : mKey(key ? key : ""), mValue(value ? value : ""), mIni(ini)
{
}

unsigned long CRegistry::GetValue(unsigned long defaultValue) const
{
    std::string text;
    unsigned long number;
    return ReadText(text) && ParseNumber(text, number) ? number : defaultValue;
}

const char* CRegistry::GetTextValue(const char* defaultValue)
{
    std::string text;
    if (!ReadText(text))
        return defaultValue;
    mText = std::move(text);
    return mText.c_str();
}

bool CRegistry::HasValue() const
{
    std::string text;
    return ReadText(text);
}

bool CRegistry::SetValue(unsigned long value)
{
    if (const CIniProfile* ini = GetIni())
        return ini->WriteText(mKey.c_str(), mValue.c_str(), NumberText(value).c_str());
    const DWORD number = value;
    return WriteRegistry(REG_DWORD, &number, sizeof number);
}

bool CRegistry::SetTextValue(const char* text)
{
    if (const CIniProfile* ini = GetIni())
        return ini->WriteText(mKey.c_str(), mValue.c_str(), text);
    const std::string stored = text ? text : "";
    return WriteRegistry(REG_SZ, stored.c_str(), static_cast<DWORD>(stored.size() + 1));
}

bool CRegistry::RemoveValue()
{
    if (const CIniProfile* ini = GetIni())
        return ini->RemoveValue(mKey.c_str(), mValue.c_str()) && !HasValue();
    StRegistryKey key;
    if (RegOpenKeyExA(GetRoot(), GetRegistryKey().c_str(), 0, KEY_SET_VALUE, key.Receive()) != ERROR_SUCCESS)
        return !HasValue();
    const LONG result = RegDeleteValueA(key.Get(), mValue.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

void CRegistry::SetIniFile(const char* path)
{
    mOwnIni.SetIniFile(path);
    mIni = nullptr;
}

void CRegistry::SetCompany(const char* company)
{
    mCompany = SafeName(company);
}

void CRegistry::SetApplication(const char* application)
{
    mApplication = SafeName(application);
}

void CRegistry::SetCurrentUser(bool currentUser)
{
    mCurrentUser = currentUser;
}

void CRegistry::SetDefaultCompany(const char* company)
{
    CTwSingleLock lock(sDefaultsLock, true);
    sDefaultCompany = SafeName(company);
}

void CRegistry::SetDefaultApplication(const char* application)
{
    CTwSingleLock lock(sDefaultsLock, true);
    sDefaultApplication = SafeName(application);
}

std::string CRegistry::GetDefaultCompany()
{
    CTwSingleLock lock(sDefaultsLock, true);
    return sDefaultCompany.empty() ? kMakerCompany : sDefaultCompany;
}

std::string CRegistry::GetDefaultApplication()
{
    {
        CTwSingleLock lock(sDefaultsLock, true);
        if (!sDefaultApplication.empty())
            return sDefaultApplication;
    }
    return SafeName(UFileUtils::GetFileNameWithoutExtension(UApplicationUtils::GetExecutablePath().c_str()).c_str());
}

const CIniProfile* CRegistry::GetIni() const
{
    if (mIni)
        return mIni;
    return mOwnIni.HasIniFile() ? &mOwnIni : nullptr;
}

std::string CRegistry::GetRegistryKey() const
{
    std::string path = "Software";
    for (const std::string& part : {mCompany ? *mCompany : GetDefaultCompany(),
                                    mApplication ? *mApplication : GetDefaultApplication(), mKey}) {
        if (!part.empty())
            path += '\\' + part;
    }
    return path;
}

HKEY CRegistry::GetRoot() const
{
    return mCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

bool CRegistry::ReadText(std::string& text) const
{
    if (const CIniProfile* ini = GetIni())
        return ini->ReadText(mKey.c_str(), mValue.c_str(), text);
    return ReadRegistryText(text);
}

bool CRegistry::ReadRegistryText(std::string& text) const
{
    StRegistryKey key;
    if (RegOpenKeyExA(GetRoot(), GetRegistryKey().c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS)
        return false;
    std::vector<BYTE> data(64);
    for (;;) {
        DWORD type = REG_NONE;
        DWORD size = static_cast<DWORD>(data.size());
        const LONG result = RegQueryValueExA(key.Get(), mValue.c_str(), nullptr, &type, data.data(), &size);
        if (result == ERROR_MORE_DATA) {
            // The value may grow between two queries; ask again with what it needs now.
            data.resize(size > data.size() ? size : data.size() * 2);
            continue;
        }
        if (result != ERROR_SUCCESS)
            return false;
        if (type == REG_DWORD && size == sizeof(DWORD)) {
            DWORD number;
            memcpy(&number, data.data(), sizeof number);
            text = NumberText(number);
            return true;
        }
        if (type == REG_SZ || type == REG_EXPAND_SZ) {
            // A stored text need not carry its terminating zero.
            const char* chars = reinterpret_cast<const char*>(data.data());
            text.assign(chars, strnlen(chars, size));
            return true;
        }
        return false;
    }
}

bool CRegistry::WriteRegistry(DWORD type, const void* data, DWORD size) const
{
    StRegistryKey key;
    if (RegCreateKeyExA(GetRoot(), GetRegistryKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.Get(), mValue.c_str(), 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}
