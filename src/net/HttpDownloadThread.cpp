#include "net/HttpDownloadThread.h"

#include "net/NetSession.h"

#include "tnwbscut.h"
#include "tnwwndut.h"

#include <vector>

namespace {

bool IsWebAddress(const char* url)
{
    return _strnicmp(url, "http://", 7) == 0 || _strnicmp(url, "https://", 8) == 0;
}

} // namespace

const UINT CHttpDownloadThread::kBlockSize;
const char* const CHttpDownloadThread::kPartSuffix = ".part";

CHttpDownloadThread::CHttpDownloadThread()
    : mRemoteFile(nullptr), mLocalFile(nullptr), mTotal(0), mDone(0), mOk(true), mConnectionError(false),
      mResult(kNotRun), mStatusCode(0), mTimeout(0)
{
    SetAutoDelete(false);
}

CHttpDownloadThread::~CHttpDownloadThread()
{
    Reset();
}

void CHttpDownloadThread::SetUrl(const char* url)
{
    mUrl = url;
}

void CHttpDownloadThread::SetOutPath(const char* path)
{
    mOutPath = path;
}

CString CHttpDownloadThread::GetOutPath() const
{
    return mOutPath;
}

void CHttpDownloadThread::Reset()
{
    mTotal = 0;
    mDone = 0;
    if (mRemoteFile) {
        mRemoteFile->Abort();
        delete mRemoteFile;
        mRemoteFile = nullptr;
    }
    if (mLocalFile) {
        mLocalFile->Abort();
        delete mLocalFile;
        mLocalFile = nullptr;
    }
}

void CHttpDownloadThread::ExecuteSelf(long)
{
    mConnectionError = false;
    mOk = true;
    mDone = 0;
    mStatusCode = 0;
    mResult = kNotRun;
    End(Download());
}

void CHttpDownloadThread::End(EResult result)
{
    Reset();
    mResult = result;
    mOk = result == kComplete;
    mConnectionError = result == kConnectionError;
}

CHttpDownloadThread::EResult CHttpDownloadThread::Download()
{
    if (!IsWebAddress(mUrl))
        return kBadAddress;
    const CString part = mOutPath + kPartSuffix;
    EResult result = kConnectionError;
    try {
        CNetSession session(mTimeout);
        mRemoteFile = session.OpenURL(mUrl, 1,
                                      INTERNET_FLAG_TRANSFER_ASCII | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE);
        auto* remote = DYNAMIC_DOWNCAST(CHttpFile, mRemoteFile);
        if (remote)
            result = Transfer(*remote);
        // The files go before the session that holds their connection.
        Reset();
    } catch (CFileException* e) {
        e->Delete();
        result = kLocalFileError;
    } catch (CException* e) {
        e->Delete();
        result = kConnectionError;
    } catch (...) {
        result = kConnectionError;
    }
    Reset();
    if (result != kComplete)
        ::DeleteFileA(part);
    return result;
}

CHttpDownloadThread::EResult CHttpDownloadThread::Transfer(CHttpFile& remote)
{
    DWORD status = 0;
    remote.QueryInfoStatusCode(status);
    mStatusCode = status;
    if (status < 200 || status > 299)
        return kServerError;
    ULONGLONG total = 0;
    mTotal = remote.QueryInfo(HTTP_QUERY_CONTENT_LENGTH, total) ? total : 0;

    const CString part = mOutPath + kPartSuffix;
    UDirectoryUtils::EstablishPath(mOutPath);
    mLocalFile = new CFile;
    if (!mLocalFile->Open(part, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite)) {
        delete mLocalFile;
        mLocalFile = nullptr;
        return kLocalFileError;
    }

    std::vector<char> block(kBlockSize);
    bool whole = false;
    while (!whole && !IsCanceled()) {
        const ULONGLONG done = mDone;
        UINT wanted = kBlockSize;
        if (total && total - done < wanted)
            wanted = static_cast<UINT>(total - done);
        // Read gives less than asked only at the end, and throws at an early one.
        const UINT read = wanted ? remote.Read(block.data(), wanted) : 0;
        if (read)
            WriteBlock(*mLocalFile, block.data(), read);
        mDone = done + read;
        whole = read < wanted || (total && done + read == total);
    }
    if (!whole)
        return kCanceled;

    mLocalFile->Close();
    delete mLocalFile;
    mLocalFile = nullptr;
    if (!::MoveFileExA(part, mOutPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        return kLocalFileError;
    return kComplete;
}

void CHttpDownloadThread::WriteBlock(CFile& file, const void* data, UINT size)
{
    file.Write(data, size);
}

char* CHttpDownloadThread::GetText()
{
    const int slash = mUrl.ReverseFind('/');
    const CString name = slash < 0 ? mUrl : mUrl.Mid(slash + 1);
    return UStringBuffer::Text("Downloading " + name + "...");
}

double CHttpDownloadThread::GetProgress()
{
    const ULONGLONG total = mTotal;
    return total ? static_cast<double>(mDone.load()) / static_cast<double>(total) : 0.0;
}
