#include "util/DropFileList.h"

#include "util/DirectoryPath.h"
#include "util/FilePath.h"

#include <vector>

CDropFileList::CDropFileList() = default;

CDropFileList::CDropFileList(HDROP drop)
{
    Populate(drop);
}

CDropFileList::~CDropFileList()
{
    for (int i = 0; i < mPaths.GetItemCount(); ++i)
        delete static_cast<CPath*>(mPaths.GetAt(i));
}

void CDropFileList::Populate(HDROP drop)
{
    if (!drop)
        return;
    const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileA(drop, i, nullptr, 0);
        if (length == 0)
            continue;
        std::vector<char> name(length + 1);
        if (::DragQueryFileA(drop, i, name.data(), length + 1) == 0)
            continue;
        if (CPath::IsDir(name.data())) {
            CString path = name.data();
            if (path.Right(1) != "\\")
                path += '\\';
            auto* folder = new CDirectoryPath(path);
            folder->Populate();
            mPaths.Add(folder);
        } else {
            mPaths.Add(new CFilePath(name.data()));
        }
    }
}

int CDropFileList::GetPathCount() const
{
    return mPaths.GetItemCount();
}

CPath* CDropFileList::GetPath(int index) const
{
    return static_cast<CPath*>(mPaths.GetAt(index));
}

void CDropFileList::LetLoose(CPath* path)
{
    mPaths.Remove(path);
}
