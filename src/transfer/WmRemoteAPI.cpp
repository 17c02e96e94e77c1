#include "transfer/WmRemoteAPI.h"

#include "tnwbscut.h"

#include <cstring>

namespace {

const long kNotImplemented = static_cast<long>(0x80004001);
const long kNoInterface = static_cast<long>(0x80004002);
const long kFailed = static_cast<long>(0x80004005);

// The API's names of the kept entry points, in their slot order.
const char* const kCachedNames[] = {
    "CeFindFirstFile", "CeFindNextFile", "CeFindAllFiles", "CeFindClose", "CeRemoveDirectory",
    "CeCreateDirectory", "CeMoveFile", "CeCopyFile", "CeWriteFile", "CeReadFile", "CeGetFileSize",
    "CeGetDiskFreeSpaceEx", "CeRapiFreeBuffer", "CeSetFilePointer", "CeGetFileTime", "CeSetFileTime",
};

} // namespace

CWmRemoteAPI::CWmRemoteAPI() : mModule(::LoadLibraryA("RAPI.DLL"))
{
    std::memset(mEntries, 0, sizeof mEntries);
}

CWmRemoteAPI::~CWmRemoteAPI()
{
    if (mModule)
        ::FreeLibrary(mModule);
}

template <class TFunc>
TFunc CWmRemoteAPI::Find(const char* name) const
{
    return mModule ? reinterpret_cast<TFunc>(::GetProcAddress(mModule, name)) : nullptr;
}

template <class TFunc>
TFunc CWmRemoteAPI::Cached(ECached slot)
{
    if (!mEntries[slot] && mModule)
        mEntries[slot] = ::GetProcAddress(mModule, kCachedNames[slot]);
    return reinterpret_cast<TFunc>(mEntries[slot]);
}

int CWmRemoteAPI::ReloadDLL()
{
    if (mModule)
        ::FreeLibrary(mModule);
    std::memset(mEntries, 0, sizeof mEntries);
    mModule = ::LoadLibraryA("RAPI.DLL");
    return mModule != nullptr;
}

long CWmRemoteAPI::InitEx(RAPIINIT* init)
{
    auto call = Find<HRESULT(WINAPI*)(RAPIINIT*)>("CeRapiInitEx");
    return call ? call(init) : kNotImplemented;
}

long CWmRemoteAPI::Uninit()
{
    auto call = Find<HRESULT(WINAPI*)()>("CeRapiUninit");
    return call ? call() : kNoInterface;
}

long CWmRemoteAPI::Invoke(LPCWSTR dll, LPCWSTR function, unsigned long inputSize, unsigned char* input,
                          unsigned long* outputSize, unsigned char** output, IRAPIStream** stream,
                          unsigned long reserved)
{
    auto call = Find<HRESULT(WINAPI*)(LPCWSTR, LPCWSTR, DWORD, BYTE*, DWORD*, BYTE**, IRAPIStream**, DWORD)>(
        "CeRapiInvoke");
    return call ? call(dll, function, inputSize, input, reinterpret_cast<DWORD*>(outputSize), output, stream,
                       reserved)
                : kNoInterface;
}

HANDLE CWmRemoteAPI::CreateFileA(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                 DWORD creation, DWORD flags, HANDLE templateFile)
{
    auto call = Find<HANDLE(WINAPI*)(LPCWSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE)>(
        "CeCreateFile");
    return call ? call(name, access, share, security, creation, flags, templateFile) : nullptr;
}

int CWmRemoteAPI::WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* written, LPOVERLAPPED overlapped)
{
    auto call = Cached<BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED)>(kWriteFile);
    return call ? call(file, buffer, count, written, overlapped) : 0;
}

int CWmRemoteAPI::ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* read, LPOVERLAPPED overlapped)
{
    auto call = Cached<BOOL(WINAPI*)(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED)>(kReadFile);
    return call ? call(file, buffer, count, read, overlapped) : 0;
}

int CWmRemoteAPI::CloseHandle(HANDLE handle)
{
    auto call = Find<BOOL(WINAPI*)(HANDLE)>("CeCloseHandle");
    return call ? call(handle) : 0;
}

HANDLE CWmRemoteAPI::FindFirstFileA(LPCWSTR pattern, CE_FIND_DATA* data)
{
    if (!mModule)
        return nullptr;
    auto call = Cached<HANDLE(WINAPI*)(LPCWSTR, CE_FIND_DATA*)>(kFindFirstFile);
    return call ? call(pattern, data) : INVALID_HANDLE_VALUE;
}

int CWmRemoteAPI::FindNextFileA(HANDLE find, CE_FIND_DATA* data)
{
    auto call = Cached<BOOL(WINAPI*)(HANDLE, CE_FIND_DATA*)>(kFindNextFile);
    return call ? call(find, data) : 0;
}

int CWmRemoteAPI::FindAllFiles(LPCWSTR path, DWORD flags, DWORD* count, CE_FIND_DATA** data)
{
    auto call = Cached<BOOL(WINAPI*)(LPCWSTR, DWORD, LPDWORD, CE_FIND_DATA**)>(kFindAllFiles);
    return call ? call(path, flags, count, data) : 0;
}

int CWmRemoteAPI::FindClose(HANDLE find)
{
    auto call = Cached<BOOL(WINAPI*)(HANDLE)>(kFindClose);
    return call ? call(find) : 0;
}

int CWmRemoteAPI::DeleteFileA(LPCWSTR name)
{
    auto call = Find<BOOL(WINAPI*)(LPCWSTR)>("CeDeleteFile");
    return call ? call(name) : 0;
}

int CWmRemoteAPI::CreateDirectoryA(LPCWSTR name)
{
    auto call = Cached<BOOL(WINAPI*)(LPCWSTR, LPSECURITY_ATTRIBUTES)>(kCreateDirectory);
    return call ? call(name, nullptr) : 0;
}

int CWmRemoteAPI::RemoveDirectoryA(LPCWSTR name)
{
    auto call = Cached<BOOL(WINAPI*)(LPCWSTR)>(kRemoveDirectory);
    return call ? call(name) : 0;
}

int CWmRemoteAPI::MoveFileA(LPCWSTR from, LPCWSTR to)
{
    auto call = Cached<BOOL(WINAPI*)(LPCWSTR, LPCWSTR)>(kMoveFile);
    return call ? call(from, to) : 0;
}

int CWmRemoteAPI::CopyFileA(LPCWSTR from, LPCWSTR to, int failIfExists)
{
    auto call = Cached<BOOL(WINAPI*)(LPCWSTR, LPCWSTR, BOOL)>(kCopyFile);
    return call ? call(from, to, failIfExists) : 0;
}

unsigned long CWmRemoteAPI::GetLastError()
{
    auto call = Find<DWORD(WINAPI*)()>("CeGetLastError");
    return call ? call() : 0;
}

long CWmRemoteAPI::GetError()
{
    auto call = Find<HRESULT(WINAPI*)()>("CeRapiGetError");
    return call ? call() : kNoInterface;
}

int CWmRemoteAPI::GetVersionExA(CEOSVERSIONINFO* info)
{
    auto call = Find<BOOL(WINAPI*)(CEOSVERSIONINFO*)>("CeGetVersionEx");
    return call ? call(info) : 0;
}

unsigned long CWmRemoteAPI::GetFileSize(HANDLE file, DWORD* high)
{
    auto call = Cached<DWORD(WINAPI*)(HANDLE, LPDWORD)>(kGetFileSize);
    return call ? call(file, high) : 0;
}

unsigned long CWmRemoteAPI::SetFilePointer(HANDLE file, LONG distance, LONG* high, DWORD method)
{
    auto call = Cached<DWORD(WINAPI*)(HANDLE, LONG, PLONG, DWORD)>(kSetFilePointer);
    return call ? call(file, distance, high, method) : 0;
}

int CWmRemoteAPI::SetFileTime(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess,
                              const FILETIME* lastWrite)
{
    auto call = Cached<BOOL(WINAPI*)(HANDLE, const FILETIME*, const FILETIME*, const FILETIME*)>(kSetFileTime);
    return call ? call(file, creation, lastAccess, lastWrite) : 0;
}

int CWmRemoteAPI::GetFileTime(HANDLE file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite)
{
    auto call = Cached<BOOL(WINAPI*)(HANDLE, FILETIME*, FILETIME*, FILETIME*)>(kGetFileTime);
    return call ? call(file, creation, lastAccess, lastWrite) : 0;
}

int CWmRemoteAPI::GetDiskFreeSpaceExA(const char* path, ULARGE_INTEGER* freeToCaller, ULARGE_INTEGER* total,
                                      ULARGE_INTEGER* totalFree)
{
    auto call = Cached<BOOL(WINAPI*)(LPCWSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER)>(
        kGetDiskFreeSpaceEx);
    return call ? call(UStringBuffer::ToWide(path), freeToCaller, total, totalFree) : 0;
}

long CWmRemoteAPI::FreeBuffer(void* buffer)
{
    auto call = Cached<HRESULT(WINAPI*)(LPVOID)>(kRapiFreeBuffer);
    return call ? call(buffer) : kFailed;
}
