#include "util/DirectoryPath.h"

#include "tnwwndut.h"
#include "util/FilePath.h"

namespace {

bool EndsWithSeparator(const CString& path)
{
    return !path.IsEmpty() && (path[path.GetLength() - 1] == '\\' || path[path.GetLength() - 1] == '/');
}

CString WithoutClosingSeparator(const char* path)
{
    CString trimmed = path ? path : "";
    trimmed.TrimRight("\\/");
    return trimmed;
}

} // namespace

CDirectoryPath::CDirectoryPath(const char* path) : CPath(path) {}

CDirectoryPath::~CDirectoryPath()
{
    for (int i = 0; i < mChildren.GetItemCount(); ++i)
        delete static_cast<CPath*>(mChildren.GetAt(i));
}

bool CDirectoryPath::IsDir() const
{
    return true;
}

void CDirectoryPath::PhysicalRemove()
{
    PhysicalRemoveChildren();
    UDirectoryUtils::RemoveFolder(mPath);
}

void CDirectoryPath::PhysicalRemoveChildren()
{
    for (int i = 0; i < mChildren.GetItemCount(); ++i) {
        auto* child = static_cast<CPath*>(mChildren.GetAt(i));
        child->PhysicalRemove();
        delete child;
    }
    mChildren.RemoveAll();
}

void CDirectoryPath::Populate()
{
    PopulateMatching("*.*");
}

void CDirectoryPath::Populate(const char* extension)
{
    PopulateMatching(CString("*.") + (extension ? extension : ""));
}

CString CDirectoryPath::FolderWithSeparator() const
{
    return EndsWithSeparator(mPath) ? mPath : mPath + "\\";
}

void CDirectoryPath::PopulateMatching(const char* pattern)
{
    if (mPath.IsEmpty())
        return;
    const CString folder = FolderWithSeparator();
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(folder + pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const CString name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const CString full = folder + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            auto* child = new CDirectoryPath(full + "\\");
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                child->Populate();
            mChildren.Add(child);
        } else {
            mChildren.Add(new CFilePath(full));
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

int CDirectoryPath::GetPathCount() const
{
    return mChildren.GetItemCount();
}

CPath* CDirectoryPath::GetPath(int index) const
{
    return static_cast<CPath*>(mChildren.GetAt(index));
}

void CDirectoryPath::LetLoose(CPath* path)
{
    mChildren.Remove(path);
}

bool CDirectoryPath::Exclude(const char* path)
{
    const CString wanted = WithoutClosingSeparator(path);
    for (int i = 0; i < mChildren.GetItemCount(); ++i) {
        auto* child = static_cast<CPath*>(mChildren.GetAt(i));
        if (WithoutClosingSeparator(child->GetFilePath()).CompareNoCase(wanted) == 0) {
            mChildren.RemoveAt(i);
            delete child;
            return true;
        }
        if (child->IsDir() && static_cast<CDirectoryPath*>(child)->Exclude(path))
            return true;
    }
    return false;
}
