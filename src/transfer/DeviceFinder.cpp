#include "transfer/DeviceFinder.h"

#include <cctype>

namespace {

// Switches the system's "no disk" boxes off for the calling thread while drives are probed.
class StQuietDriveProbe {
public:
    StQuietDriveProbe() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &mPrevious); }
    ~StQuietDriveProbe() { ::SetThreadErrorMode(mPrevious, nullptr); }
    StQuietDriveProbe(const StQuietDriveProbe&) = delete;
    StQuietDriveProbe& operator=(const StQuietDriveProbe&) = delete;

private:
    DWORD mPrevious = 0;
};

char Normalize(char drive)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(drive)));
    return upper >= 'A' && upper <= 'Z' ? upper : 0;
}

bool IsMounted(char drive)
{
    char root[] = { drive, ':', '\\', '\0' };
    const UINT type = ::GetDriveTypeA(root);
    if (type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR)
        return false;
    const DWORD attributes = ::GetFileAttributesA(root);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

CDeviceFinder::CDeviceFinder() = default;

CDeviceFinder::CDeviceFinder(const CDeviceFinder& other) : mRootDir(other.mRootDir)
{
    CopyPaths(other);
}

CDeviceFinder& CDeviceFinder::operator=(const CDeviceFinder& other)
{
    if (this != &other) {
        mRootDir = other.mRootDir;
        DeletePaths();
        CopyPaths(other);
    }
    return *this;
}

CDeviceFinder::~CDeviceFinder()
{
    DeletePaths();
}

void CDeviceFinder::CopyPaths(const CDeviceFinder& other)
{
    for (int i = 0; i < other.mPaths.GetItemCount(); ++i)
        mPaths.Add(new CString(*static_cast<const CString*>(other.mPaths.GetAt(i))));
}

void CDeviceFinder::DeletePaths()
{
    for (int i = 0; i < mPaths.GetItemCount(); ++i)
        delete static_cast<CString*>(mPaths.GetAt(i));
    mPaths.RemoveAll();
}

void CDeviceFinder::SetRootDir(const char* root)
{
    mRootDir = root ? root : "";
}

void CDeviceFinder::AddPath(const char* path)
{
    if (path && *path)
        mPaths.Add(new CString(path));
}

char CDeviceFinder::FindDrive(char preferred)
{
    StQuietDriveProbe quiet;
    preferred = Normalize(preferred);
    if (preferred && CheckDrive(preferred))
        return preferred;
    for (char drive = 'D'; drive <= 'Z'; ++drive) {
        if (drive != preferred && CheckDrive(drive))
            return drive;
    }
    return 0;
}

bool CDeviceFinder::CheckDrive(char drive)
{
    drive = Normalize(drive);
    if (!drive)
        return false;
    StQuietDriveProbe quiet;
    if (!IsMounted(drive))
        return false;
    for (int i = 0; i < mPaths.GetItemCount(); ++i) {
        const CString path = GetPath(drive, mRootDir, *static_cast<const CString*>(mPaths.GetAt(i)));
        if (!UDirectoryUtils::Exist(path))
            return false;
    }
    return true;
}

CString CDeviceFinder::GetPath(char drive, const char* root, const char* folder)
{
    if (!drive || !folder || !*folder)
        return CString();
    CString path;
    path.Format("%c:\\", drive);
    if (root && *root)
        path += CString(root) + "\\";
    return path + folder;
}
