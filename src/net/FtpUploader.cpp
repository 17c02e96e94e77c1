#include "net/FtpUploader.h"

#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <memory>

const char* const CFtpUploader::kStatusConnected = "Successfully connected to the FTP server.";
const char* const CFtpUploader::kStatusConnectFailed =
    "Unable to connect to the FTP server. Check address, user name and password.";
const char* const CFtpUploader::kStatusUploaded = "Image uploaded successfully.";
const char* const CFtpUploader::kStatusUploadFailed = "Failed to upload image.";
const char* const CFtpUploader::kStatusDisconnected = "Disconnected from the FTP server.";

namespace {

const unsigned kMaxDirectory = 259;

} // namespace

CFtpUploader::CFtpUploader()
    : mInterval(5), mPort(INTERNET_DEFAULT_FTP_PORT), mPassive(false), mConnection(nullptr), mLastUploadTime(0)
{
}

CFtpUploader::~CFtpUploader()
{
    Close();
}

bool CFtpUploader::IsSafeText(const char* text)
{
    return !text || !std::strpbrk(text, "\r\n");
}

bool CFtpUploader::StoreText(CString& field, const char* text)
{
    if (!IsSafeText(text))
        return false;
    CTwSingleLock lock(mConnectionSafe, true);
    Close();
    field = text;
    return true;
}

bool CFtpUploader::SetServer(const char* server)
{
    return StoreText(mServer, server);
}

bool CFtpUploader::SetPath(const char* path)
{
    return StoreText(mPath, path);
}

bool CFtpUploader::SetUserName(const char* userName)
{
    return StoreText(mUserName, userName);
}

bool CFtpUploader::SetPassword(const char* password)
{
    return StoreText(mPassword, password);
}

void CFtpUploader::SetPort(int port)
{
    CTwSingleLock lock(mConnectionSafe, true);
    Close();
    mPort = port;
}

void CFtpUploader::SetPassive(bool passive)
{
    CTwSingleLock lock(mConnectionSafe, true);
    Close();
    mPassive = passive;
}

void CFtpUploader::SetTimeout(DWORD timeoutMs)
{
    CTwSingleLock lock(mConnectionSafe, true);
    mSession.SetTimeout(timeoutMs);
}

bool CFtpUploader::Open()
{
    CTwSingleLock lock(mConnectionSafe, true);
    if (mConnection)
        return true;
    try {
        mConnection = mSession.GetFtpConnection(mServer, mUserName, mPassword,
                                                static_cast<INTERNET_PORT>(mPort), mPassive);
    } catch (CException* e) {
        e->Delete();
        mConnection = nullptr;
    }
    SetStatus(mConnection ? kStatusConnected : kStatusConnectFailed);
    return mConnection != nullptr;
}

void CFtpUploader::Close()
{
    CTwSingleLock lock(mConnectionSafe, true);
    if (!mConnection)
        return;
    mConnection->Close();
    delete mConnection;
    mConnection = nullptr;
    SetStatus(kStatusDisconnected);
}

CInternetFile* CFtpUploader::ReallyOpenFile(const char* path)
{
    CTwSingleLock lock(mConnectionSafe, true);
    if (!mConnection)
        return nullptr;
    try {
        return mConnection->OpenFile(path, GENERIC_WRITE, FTP_TRANSFER_TYPE_BINARY, 1);
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
}

CInternetFile* CFtpUploader::OpenFile(const char* path)
{
    if (CInternetFile* file = ReallyOpenFile(path))
        return file;
    const char* slash = std::strrchr(path, '/');
    if (!slash)
        return nullptr;
    const CString directory(path, static_cast<int>(std::min<size_t>(slash - path, kMaxDirectory)));
    if (!OpenDirectory(directory))
        return nullptr;
    return ReallyOpenFile(path);
}

bool CFtpUploader::OpenDirectory(const char* directory)
{
    CTwSingleLock lock(mConnectionSafe, true);
    if (!mConnection)
        return false;
    if (mConnection->CreateDirectory(directory))
        return true;
    const char* slash = std::strrchr(directory, '/');
    if (!slash)
        return false;
    const CString parent(directory, static_cast<int>(slash - directory));
    return OpenDirectory(parent) && mConnection->CreateDirectory(directory);
}

bool CFtpUploader::WriteData(const unsigned char* data, unsigned long size)
{
    CTwSingleLock lock(mConnectionSafe, true);
    if (!CheckWriteInterval() || size == 0 || !data)
        return false;
    if (!Open())
        return false;

    bool uploaded = false;
    std::unique_ptr<CInternetFile> file(OpenFile(mPath));
    if (file) {
        try {
            file->Write(data, size);
            file->Close();
            uploaded = true;
        } catch (CException* e) {
            e->Delete();
            file->Abort();
        }
    }
    if (uploaded) {
        SetStatus(kStatusUploaded);
        return true;
    }
    SetStatus(kStatusUploadFailed);
    Close();
    return false;
}

void CFtpUploader::SetStatus(const char* status)
{
    CTwSingleLock lock(mStatusSafe, true);
    if (mStatus != status)
        mStatus = status;
}

CString CFtpUploader::GetStatus()
{
    CTwSingleLock lock(mStatusSafe, true);
    return mStatus;
}

bool CFtpUploader::CheckWriteInterval()
{
    return CheckInterval(mLastUploadTime, mInterval);
}

bool CFtpUploader::HasIntervalPassed(unsigned long last, unsigned long now, unsigned short seconds)
{
    // Unsigned differences count right across the clock's wrap-around.
    return static_cast<unsigned long>(now - last) > static_cast<unsigned long>(seconds) * 1000UL;
}

bool CFtpUploader::CheckInterval(unsigned long& last, unsigned short seconds)
{
    unsigned long now = timeGetTime();
    if (now == 0)
        now = 1;
    if (last != 0 && !HasIntervalPassed(last, now, seconds))
        return false;
    last = now;
    return true;
}

bool __cdecl FtpWriteData(CFtpUploader* uploader, const unsigned char* data, unsigned long size)
{
    return uploader ? uploader->WriteData(data, size) : false;
}
