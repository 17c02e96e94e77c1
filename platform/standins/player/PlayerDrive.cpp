#include "PlayerDrive.h"

#include <windows.h>

#include <cctype>
#include <cstdlib>

namespace {

typedef char*(CDECL* UnixFileNameFunc)(LPCWSTR dosName);

std::string UnixPath(const std::string& windowsPath)
{
    auto unixName = reinterpret_cast<UnixFileNameFunc>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
    wchar_t wide[MAX_PATH] = {};
    if (!unixName || !::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH))
        return std::string();
    char* name = unixName(wide);
    if (!name)
        return std::string();
    std::string path = name;
    ::HeapFree(::GetProcessHeap(), 0, name);
    return path;
}

void RunUnix(const std::string& command)
{
    STARTUPINFOA startup = { sizeof startup };
    PROCESS_INFORMATION process = {};
    std::string line = command;
    if (::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
}

// Waits, at most five seconds, until the letter is (or is no longer) a drive.
bool WaitForMount(char letter, bool mounted)
{
    for (int i = 0; i < 250; ++i) {
        if (CStandInPlayerDrive::IsMounted(letter) == mounted)
            return true;
        ::Sleep(20);
    }
    return false;
}

} // namespace

bool CStandInPlayerDrive::IsMounted(char letter)
{
    const char root[] = { letter, ':', '\\', '\0' };
    UINT previous = 0;
    ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, reinterpret_cast<DWORD*>(&previous));
    const DWORD attributes = ::GetFileAttributesA(root);
    ::SetThreadErrorMode(previous, nullptr);
    return attributes != INVALID_FILE_ATTRIBUTES;
}

CStandInPlayerDrive::CStandInPlayerDrive(char letter, const std::string& folder)
    : mLetter(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))))
{
    const char* prefix = std::getenv("WINEPREFIX");
    const std::string target = UnixPath(folder);
    if (!prefix || target.empty() || IsMounted(mLetter))
        return;
    mLink = std::string(prefix) + "/dosdevices/" + static_cast<char>(std::tolower(mLetter)) + ":";
    RunUnix("/bin/ln -sfn \"" + target + "\" \"" + mLink + "\"");
    mPluggedIn = WaitForMount(mLetter, true);
}

CStandInPlayerDrive::~CStandInPlayerDrive()
{
    Unplug();
}

void CStandInPlayerDrive::Unplug()
{
    if (mLink.empty())
        return;
    RunUnix("/bin/rm -f \"" + mLink + "\"");
    WaitForMount(mLetter, false);
    mLink.clear();
    mPluggedIn = false;
}
