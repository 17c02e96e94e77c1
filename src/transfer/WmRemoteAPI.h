#pragma once
#include "afxwin.h"

// The structures of the Windows Mobile Remote API, as the API defines them.
struct RAPIINIT {
    DWORD cbSize;
    HANDLE heRapiInit; // set by the API: signalled when the connection attempt has ended
    HRESULT hrRapiInit; // the attempt's result, valid once the event is signalled
};

struct CE_FIND_DATA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwOID;
    WCHAR cFileName[MAX_PATH];
};

struct CEOSVERSIONINFO {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    WCHAR szCSDVersion[128];
};

struct IRAPIStream;

// The Windows Mobile Remote API ("RAPI.DLL"), loaded when the object is made and freed
// when it goes, never linked, so that applications run on machines without ActiveSync.
// Each member forwards its arguments to the API function of the same role and returns its
// result; without the library or the entry point it calls nothing and returns what the
// API would for "not available" (the values below). Device paths are UTF-16.
//
// The entry points used for every block of a copy are looked up once and kept; the rest
// are looked up at each call. ReloadDLL frees the library, forgets every entry point and
// loads the library again.
//
// One object per thread and per connection: InitEx before, Uninit after the calls.
class AFX_EXT_CLASS CWmRemoteAPI {
public:
    CWmRemoteAPI();
    ~CWmRemoteAPI();
    CWmRemoteAPI(const CWmRemoteAPI&) = delete;
    CWmRemoteAPI& operator=(const CWmRemoteAPI&) = delete;

    bool IsLoaded() const { return mModule != nullptr; }

    long InitEx(RAPIINIT* init);                                       // 0x80004001 unavailable
    long Uninit();                                                     // 0x80004002
    long Invoke(LPCWSTR dll, LPCWSTR function, unsigned long inputSize, unsigned char* input,
                unsigned long* outputSize, unsigned char** output, IRAPIStream** stream,
                unsigned long reserved);                               // 0x80004002
    HANDLE CreateFileA(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD creation,
                       DWORD flags, HANDLE templateFile);              // null
    int WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* written, LPOVERLAPPED overlapped);
    int ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* read, LPOVERLAPPED overlapped);
    int CloseHandle(HANDLE handle);
    // Null without the library, INVALID_HANDLE_VALUE without the entry point.
    HANDLE FindFirstFileA(LPCWSTR pattern, CE_FIND_DATA* data);
    int FindNextFileA(HANDLE find, CE_FIND_DATA* data);
    int FindAllFiles(LPCWSTR path, DWORD flags, DWORD* count, CE_FIND_DATA** data);
    int FindClose(HANDLE find);
    int DeleteFileA(LPCWSTR name);
    int CreateDirectoryA(LPCWSTR name);
    int RemoveDirectoryA(LPCWSTR name);
    int MoveFileA(LPCWSTR from, LPCWSTR to);
    int CopyFileA(LPCWSTR from, LPCWSTR to, int failIfExists);
    unsigned long GetLastError();
    long GetError();                                                   // 0x80004002
    int GetVersionExA(CEOSVERSIONINFO* info);
    unsigned long GetFileSize(HANDLE file, DWORD* high);
    unsigned long SetFilePointer(HANDLE file, LONG distance, LONG* high, DWORD method);
    int SetFileTime(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess, const FILETIME* lastWrite);
    int GetFileTime(HANDLE file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite);
    // The path in the ANSI code page; it is sent as UTF-16.
    int GetDiskFreeSpaceExA(const char* path, ULARGE_INTEGER* freeToCaller, ULARGE_INTEGER* total,
                            ULARGE_INTEGER* totalFree);
    long FreeBuffer(void* buffer);                                     // 0x80004005
    // Nonzero when the library loaded again.
    int ReloadDLL();

private:
    enum ECached {
        kFindFirstFile, kFindNextFile, kFindAllFiles, kFindClose, kRemoveDirectory, kCreateDirectory, kMoveFile,
        kCopyFile, kWriteFile, kReadFile, kGetFileSize, kGetDiskFreeSpaceEx, kRapiFreeBuffer, kSetFilePointer,
        kGetFileTime, kSetFileTime, kCachedCount
    };

    // The entry point, looked up now; null when there is none.
    template <class TFunc>
    TFunc Find(const char* name) const;
    // The entry point kept in its slot, looked up on first use.
    template <class TFunc>
    TFunc Cached(ECached slot);

    HMODULE mModule;
    FARPROC mEntries[kCachedCount];
};
