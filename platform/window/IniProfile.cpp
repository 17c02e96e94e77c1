#include "IniProfile.h"

#include "DirectoryUtils.h"

#include <windows.h>

#include <vector>

namespace {

// Beyond this a profile read gives up growing its buffer: no ini line is that long.
const size_t kMaxProfileRead = 16 * 1024 * 1024;

// A profile string of any length. The profile functions cut a result that does not fit
// and then report size - 1 (size - 2 for a list of names), so the buffer grows until the
// result fits with room to spare. A list of names keeps its zero separators.
std::string ReadProfile(const char* section, const char* key, const std::string& path)
{
    std::vector<char> buffer(256);
    for (;;) {
        const DWORD got = GetPrivateProfileStringA(section, key, "", buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), path.c_str());
        if (got + 2 < buffer.size() || buffer.size() >= kMaxProfileRead)
            return std::string(buffer.data(), got);
        buffer.resize(buffer.size() * 2);
    }
}

bool IsTrimmedByProfile(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// The line to write for text so that reading it back gives text (line breaks aside).
std::string ProfileLine(const char* text)
{
    std::string line = text ? text : "";
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    if (line.empty())
        return line;
    const char first = line.front();
    const char last = line.back();
    const bool quoted = line.size() >= 2 && (first == '"' || first == '\'') && last == first;
    if (quoted || IsTrimmedByProfile(first) || IsTrimmedByProfile(last))
        return '"' + line + '"';
    return line;
}

} // namespace

CIniProfile::CIniProfile() = default;

CIniProfile::CIniProfile(const char* path)
{
    SetIniFile(path);
}

void CIniProfile::SetIniFile(const char* path)
{
    mPath.clear();
    if (!path || !*path)
        return;
    const DWORD needed = GetFullPathNameA(path, 0, nullptr, nullptr);
    if (needed == 0) {
        mPath = path;
        return;
    }
    std::vector<char> full(needed);
    const DWORD got = GetFullPathNameA(path, needed, full.data(), nullptr);
    mPath = (got > 0 && got < needed) ? std::string(full.data(), got) : std::string(path);
}

bool CIniProfile::ReadText(const char* section, const char* key, std::string& text) const
{
    if (mPath.empty() || !section || !key)
        return false;
    std::string value = ReadProfile(section, key, mPath);
    // An empty result is either an empty value or no value at all.
    if (value.empty() && !HasKey(section, key))
        return false;
    text = std::move(value);
    return true;
}

bool CIniProfile::WriteText(const char* section, const char* key, const char* text) const
{
    if (mPath.empty() || !section || !key)
        return false;
    const std::string line = ProfileLine(text);
    return Write(section, key, line.c_str());
}

bool CIniProfile::RemoveValue(const char* section, const char* key) const
{
    if (mPath.empty() || !section || !key)
        return false;
    return WritePrivateProfileStringA(section, key, nullptr, mPath.c_str()) != FALSE;
}

bool CIniProfile::HasKey(const char* section, const char* key) const
{
    const std::string names = ReadProfile(section, nullptr, mPath);
    for (size_t start = 0; start < names.size();) {
        const size_t end = names.find('\0', start);
        const std::string name = names.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (lstrcmpiA(name.c_str(), key) == 0)
            return true;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return false;
}

bool CIniProfile::Write(const char* section, const char* key, const char* text) const
{
    if (WritePrivateProfileStringA(section, key, text, mPath.c_str()))
        return true;
    // The first value of a fresh installation may go to a folder nobody made yet.
    if (!UDirectoryUtils::EstablishPath(mPath.c_str()))
        return false;
    return WritePrivateProfileStringA(section, key, text, mPath.c_str()) != FALSE;
}
