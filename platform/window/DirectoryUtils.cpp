#include "DirectoryUtils.h"

#include "ApplicationUtils.h"
#include "FileUtils.h"
#include "Registry.h"

#include <windows.h>
#include <shlobj.h>

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

std::string WithSeparator(std::string folder)
{
    if (folder.empty() || !IsSeparator(folder.back()))
        folder += '\\';
    return folder;
}

// Length of the part of path that names a volume rather than a folder on it: "C:\",
// "\\server\share\", a leading "\" or the "\\?\" prefix with what follows it.
size_t RootLength(const std::string& path)
{
    size_t start = 0;
    if (path.compare(0, 4, "\\\\?\\") == 0)
        start = 4;
    if (start == 0 && path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        size_t separators = 0;
        for (size_t i = 2; i < path.size(); ++i) {
            if (IsSeparator(path[i]) && ++separators == 2)
                return i + 1;
        }
        return path.size();
    }
    if (path.size() >= start + 2 && path[start + 1] == ':')
        return (path.size() > start + 2 && IsSeparator(path[start + 2])) ? start + 3 : start + 2;
    if (path.size() > start && IsSeparator(path[start]))
        return start + 1;
    return start;
}

bool MakeFolder(const std::string& folder)
{
    if (UDirectoryUtils::Exist(folder.c_str()))
        return true;
    // Another program may create the same folder meanwhile; what counts is that it exists.
    return CreateDirectoryA(folder.c_str(), nullptr) || UDirectoryUtils::Exist(folder.c_str());
}

} // namespace

std::string UDirectoryUtils::GetAppDirectory()
{
    return WithSeparator(UFileUtils::GetPathOnly(UApplicationUtils::GetExecutablePath().c_str()));
}

std::string UDirectoryUtils::GetUserAppDataDirectory()
{
    std::string folder = GetKnownFolder(CSIDL_APPDATA);
    for (const std::string& name : {CRegistry::GetDefaultCompany(), CRegistry::GetDefaultApplication()}) {
        if (!name.empty())
            folder += name + '\\';
    }
    return folder;
}

std::string UDirectoryUtils::GetCommonAppDataDirectory()
{
    std::string folder = GetKnownFolder(CSIDL_COMMON_APPDATA);
    const std::string company = CRegistry::GetDefaultCompany();
    if (!company.empty())
        folder += company + '\\';
    return folder;
}

std::string UDirectoryUtils::GetKnownFolder(int folderId)
{
    char path[MAX_PATH];
    if (SUCCEEDED(SHGetFolderPathA(nullptr, folderId, nullptr, SHGFP_TYPE_CURRENT, path)) && *path)
        return WithSeparator(path);
    return GetAppDirectory();
}

bool UDirectoryUtils::EstablishPath(const char* filePath)
{
    if (!filePath)
        return false;
    const std::string path = filePath;
    size_t fileStart = path.size();
    while (fileStart > 0 && !IsSeparator(path[fileStart - 1]))
        --fileStart;
    // A bare file name lies in the current folder, which exists.
    if (fileStart == 0)
        return true;
    const size_t root = RootLength(path);
    for (size_t end = root; end < fileStart; ++end) {
        // Each separator past the root closes one folder; doubled separators add none.
        if (!IsSeparator(path[end]) || IsSeparator(path[end - 1]))
            continue;
        if (!MakeFolder(path.substr(0, end)))
            return false;
    }
    return fileStart <= root || Exist(path.substr(0, fileStart).c_str());
}

bool UDirectoryUtils::Exist(const char* folder)
{
    if (!folder || !*folder)
        return false;
    const DWORD attributes = GetFileAttributesA(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool UDirectoryUtils::RemoveFolder(const char* folder)
{
    return folder && RemoveDirectoryA(folder);
}

__int64 UDirectoryUtils::GetFreeDiskSpace(const char* path)
{
    if (!path)
        return 0;
    std::string folder = path;
    while (!folder.empty()) {
        ULARGE_INTEGER available;
        if (GetDiskFreeSpaceExA(WithSeparator(folder).c_str(), &available, nullptr, nullptr))
            return static_cast<__int64>(available.QuadPart);
        const std::string parent = UFileUtils::GetPathOnly(folder.c_str());
        if (parent.size() >= folder.size())
            break;
        folder = parent;
    }
    return 0;
}
