#include "persist/WholeFile.h"

#include <climits>

bool UWholeFile::Read(const char* path, UINT shareMode, CHandle& data)
{
    data.Empty();
    CFile file;
    CFileException openError;
    if (!path || !*path || !file.Open(path, CFile::modeRead | shareMode, &openError))
        return false;
    try {
        const ULONGLONG length = file.GetLength();
        // Readers add a terminating zero: the room for it is there from the start, so that
        // adding it does not copy the whole file once more.
        if (length >= ULONG_MAX || !data.Allocate(static_cast<unsigned long>(length) + 1, false, false) ||
            !data.Allocate(static_cast<unsigned long>(length), true, false))
            return false;
        UINT read = 0;
        if (length > 0)
            read = file.Read(data.GetBuffer(), static_cast<UINT>(length));
        // A file that shrank while it was read gives what it still had.
        data.SetSize(read);
        file.Close();
    } catch (CException* e) {
        e->Delete();
        data.Empty();
        return false;
    }
    return true;
}

bool UWholeFile::Replace(const char* path, const void* data, unsigned long size)
{
    if (!path || !*path)
        return false;
    const CString partPath = CString(path) + ".new";
    CFile file;
    CFileException openError;
    if (!file.Open(partPath, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &openError))
        return false;
    try {
        file.Write(data, size);
        // On disk before the rename, so that a crash cannot leave a renamed empty file.
        file.Flush();
        file.Close();
    } catch (CException* e) {
        e->Delete();
        file.Abort();
        ::DeleteFileA(partPath);
        return false;
    }
    if (!::MoveFileExA(partPath, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileA(partPath);
        return false;
    }
    return true;
}
