#include "transfer/WmFileUpload.h"

#include "transfer/WmRemoteAPI.h"

#include "tnwbscut.h"
#include "tnwwndut.h"

#include <memory>
#include <new>

const char* const CWmFileUpload::kConnectMessage = "Please connect your Windows Mobile device via ActiveSync.";
const char* const CWmFileUpload::kNoDeviceMessage =
    "Error. Unable to find a Windows Mobile device. Please make sure the device is connected in ActiveSync.";

namespace {

// A device file handle, closed through the API at the end of its scope unless taken.
class StDeviceFile {
public:
    StDeviceFile(CWmRemoteAPI& api, HANDLE handle) : mApi(api), mHandle(handle) {}
    ~StDeviceFile() { Close(); }
    StDeviceFile(const StDeviceFile&) = delete;
    StDeviceFile& operator=(const StDeviceFile&) = delete;

    // A missing entry point gives a null handle, a refused file INVALID_HANDLE_VALUE.
    bool IsOpen() const { return mHandle && mHandle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return mHandle; }
    bool Close()
    {
        const bool closed = !IsOpen() || mApi.CloseHandle(mHandle);
        mHandle = nullptr;
        return closed;
    }

private:
    CWmRemoteAPI& mApi;
    HANDLE mHandle;
};

void ShowCopyFailed(const CString& name)
{
    AfxMessageBox("Error. Unable to copy " + name + " to the Windows Mobile device.", MB_OK, 0);
}

} // namespace

CWmFileUpload::CWmFileUpload() = default;
CWmFileUpload::CWmFileUpload(const CWmFileUpload& other) = default;
CWmFileUpload& CWmFileUpload::operator=(const CWmFileUpload& other) = default;
CWmFileUpload::~CWmFileUpload() = default;

void CWmFileUpload::SetCopyFromFile(const char* path)
{
    mFromFile = path ? path : "";
}

void CWmFileUpload::SetCopyToDirectory(const char* directory)
{
    mToDirectory = directory ? directory : "";
}

bool CWmFileUpload::Copy()
{
    CWmRemoteAPI api;
    if (!Connect(api)) {
        AfxMessageBox(kConnectMessage, MB_OK, 0);
        return false;
    }
    bool copied = false;
    const CString name = UFileUtils::GetFileNameOnly(mFromFile).c_str();
    const CString target = mToDirectory + name;
    const CString partPath = target + ".part";
    HANDLE local = ::CreateFileA(mFromFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (local == INVALID_HANDLE_VALUE) {
        AfxMessageBox("Error. Cannot find " + mFromFile + ".", MB_OK, 0);
    } else if (!CreateFolders(api)) {
        ShowCopyFailed(name);
    } else {
        copied = Transfer(api, local, partPath) && Replace(api, partPath, target);
        if (!copied)
            api.DeleteFileA(UStringBuffer::ToWide(partPath));
    }
    if (local != INVALID_HANDLE_VALUE)
        ::CloseHandle(local);
    api.Uninit();
    return copied;
}

bool CWmFileUpload::Connect(CWmRemoteAPI& api)
{
    RAPIINIT init = { sizeof(RAPIINIT), nullptr, E_FAIL };
    if (api.InitEx(&init) < 0)
        return false;
    // The call only starts the attempt; its end and result come through the event.
    if (init.heRapiInit && ::WaitForSingleObject(init.heRapiInit, kConnectTimeoutMs) != WAIT_OBJECT_0) {
        api.Uninit();
        return false;
    }
    if (FAILED(init.hrRapiInit)) {
        api.Uninit();
        return false;
    }
    return true;
}

bool CWmFileUpload::CreateFolders(CWmRemoteAPI& api)
{
    CString folder;
    for (int i = 0; i < mToDirectory.GetLength(); ++i) {
        const char c = mToDirectory[i];
        if ((c == '\\' || c == '/') && !folder.IsEmpty() && folder.Right(1) != "\\") {
            if (!api.CreateDirectoryA(UStringBuffer::ToWide(folder)) && api.GetLastError() != ERROR_ALREADY_EXISTS)
                return false;
        }
        folder += c == '/' ? '\\' : c;
    }
    return true;
}

bool CWmFileUpload::Transfer(CWmRemoteAPI& api, HANDLE local, const CString& partPath)
{
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(local, &size)) {
        ShowCopyFailed(UFileUtils::GetFileNameOnly(mFromFile).c_str());
        return false;
    }
    FILETIME created = {};
    const bool haveTime = ::GetFileTime(local, &created, nullptr, nullptr) != FALSE;

    StDeviceFile device(api, api.CreateFileA(UStringBuffer::ToWide(partPath), GENERIC_READ | GENERIC_WRITE, 0,
                                             nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!device.IsOpen()) {
        AfxMessageBox(kNoDeviceMessage, MB_OK, 0);
        return false;
    }
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[kBlockSize]);
    bool ok = buffer != nullptr;
    for (LONGLONG left = size.QuadPart; ok && left > 0;) {
        const DWORD want = left < kBlockSize ? static_cast<DWORD>(left) : kBlockSize;
        DWORD read = 0;
        DWORD written = 0;
        ok = ::ReadFile(local, buffer.get(), want, &read, nullptr) && read == want
             && api.WriteFile(device.Get(), buffer.get(), read, &written, nullptr) && written == read;
        left -= want;
    }
    if (ok && haveTime)
        api.SetFileTime(device.Get(), &created, nullptr, nullptr);
    ok = device.Close() && ok;
    if (!ok)
        ShowCopyFailed(UFileUtils::GetFileNameOnly(mFromFile).c_str());
    return ok;
}

bool CWmFileUpload::Replace(CWmRemoteAPI& api, const CString& partPath, const CString& target)
{
    const wchar_t* wideTarget = UStringBuffer::ToWide(target);
    StDeviceFile older(api, api.CreateFileA(wideTarget, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    const bool hadOlder = older.IsOpen();
    older.Close();
    if ((hadOlder && !api.DeleteFileA(wideTarget)) || !api.MoveFileA(UStringBuffer::ToWide(partPath), wideTarget)) {
        ShowCopyFailed(UFileUtils::GetFileNameOnly(mFromFile).c_str());
        return false;
    }
    return true;
}
