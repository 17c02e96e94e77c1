#include "PreservedFile.h"

#include "ScratchFolder.h"

#include <windows.h>

#include <utility>

namespace {

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of('\\'));
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

PreservedFile::PreservedFile(std::string path)
    : mPath(std::move(path)), mExisted(Exists(mPath)), mExistingFolder(FolderOf(mPath))
{
    while (!mExistingFolder.empty() && !Exists(mExistingFolder) && mExistingFolder.find('\\') != std::string::npos)
        mExistingFolder = FolderOf(mExistingFolder);
    if (mExisted)
        mContent = ReadWholeFile(mPath);
    ::DeleteFileA(mPath.c_str());
}

PreservedFile::~PreservedFile()
{
    if (mExisted)
        WriteWholeFile(mPath, mContent);
    else
        ::DeleteFileA(mPath.c_str());
    for (std::string folder = FolderOf(mPath); folder.size() > mExistingFolder.size(); folder = FolderOf(folder)) {
        if (!::RemoveDirectoryA(folder.c_str()))
            break;
    }
}
