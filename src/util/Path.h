#pragma once
#include "afx.h"

// A file or folder by its path: the root of the path trees that folders and dropped files
// are read into.
//
// Decision of this library: IsDir(path) is false for a path that does not exist. The
// system answers such a path with all attribute bits set, the folder bit included, and a
// missing file must never be taken for a folder to descend into or remove.
class AFX_EXT_CLASS CPath {
public:
    explicit CPath(const char* path = nullptr);
    virtual bool IsDir() const;
    virtual ~CPath();
    // Removes what the path names from the disk; a plain path has nothing to remove.
    virtual void PhysicalRemove();

    CPath(const CPath&) = delete;
    CPath& operator=(const CPath&) = delete;

    const CString& GetFilePath() const { return mPath; }
    void SetFilePath(const char* path) { mPath = path ? path : ""; }

    // Whether path names an existing folder.
    static bool IsDir(const char* path);

protected:
    CString mPath;
};
