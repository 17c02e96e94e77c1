#pragma once
#include "afxwin.h"
#include "tnwbscut.h"

// Finds the drive letter under which a portable player is mounted, by the folders the
// player is known to have (a "Media\Video" and a "Media\Music", say): a drive qualifies
// when every added path exists below the root directory on it.
//
// Only drives that are there qualify: a letter without a mounted volume never does, even
// for a finder without paths, so that a file is never "copied" to a drive that does not
// exist. Drives are probed with the system's critical-error boxes switched off for the
// calling thread, so that an empty card reader or disc drive is skipped silently instead
// of asking the user to insert a disk.
//
// Drive letters are accepted in either case and handed back in upper case.
class AFX_EXT_CLASS CDeviceFinder {
public:
    CDeviceFinder();
    CDeviceFinder(const CDeviceFinder& other);
    CDeviceFinder& operator=(const CDeviceFinder& other);
    virtual ~CDeviceFinder();

    void SetRootDir(const char* root);
    const CString& GetRootDir() const { return mRootDir; }
    // Appends a copy of path; an empty or null path is not added.
    void AddPath(const char* path);
    int GetPathCount() const { return mPaths.GetItemCount(); }

    // The preferred drive when it qualifies (and is not 0), else the first of D to Z that
    // does; 0 when none does.
    char FindDrive(char preferred);
    // Whether the drive is mounted and every path exists below the root on it.
    bool CheckDrive(char drive);
    // "F:\" + root + "\" + folder ("F:\" + folder without a root); empty when the drive is
    // 0 or the folder is empty. Uses none of the object's fields.
    static CString GetPath(char drive, const char* root, const char* folder);

private:
    void CopyPaths(const CDeviceFinder& other);
    void DeletePaths();

    CString mRootDir;
    CPointerList mPaths; // owned CString objects, in the order added
};
