#include "FileUtils.h"

namespace {

const char* const kSeparators = "\\/";

bool FindFile(const char* path, WIN32_FILE_ATTRIBUTE_DATA& data)
{
    return path && *path && GetFileAttributesExA(path, GetFileExInfoStandard, &data) &&
           !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

bool UFileUtils::FileExist(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    return FindFile(path, data);
}

bool UFileUtils::DeleteFileA(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!FindFile(path, data))
        return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesA(path, data.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
    return ::DeleteFileA(path) != FALSE;
}

__int64 UFileUtils::GetFileSize(const char* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!FindFile(path, data))
        return 0;
    return (static_cast<__int64>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool UFileUtils::GetFileTime(const char* path, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!FindFile(path, data))
        return false;
    if (creation)
        *creation = data.ftCreationTime;
    if (lastAccess)
        *lastAccess = data.ftLastAccessTime;
    if (lastWrite)
        *lastWrite = data.ftLastWriteTime;
    return true;
}

std::string UFileUtils::GetFileExtension(const char* path)
{
    const std::string name = GetFileNameOnly(path);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string UFileUtils::GetFileNameOnly(const char* path)
{
    if (!path)
        return std::string();
    const std::string text = path;
    const size_t separator = text.find_last_of(kSeparators);
    return separator == std::string::npos ? text : text.substr(separator + 1);
}

std::string UFileUtils::GetFileNameWithoutExtension(const char* path)
{
    const std::string name = GetFileNameOnly(path);
    return name.substr(0, name.rfind('.'));
}

std::string UFileUtils::GetPathOnly(const char* path)
{
    if (!path)
        return std::string();
    const std::string text = path;
    const size_t separator = text.find_last_of(kSeparators);
    return separator == std::string::npos ? std::string() : text.substr(0, separator);
}
