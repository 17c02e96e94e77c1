#pragma once
#include "core/WorkerThread.h"

#include "afxinet.h"

#include <atomic>

// Downloads one file from an http or https address to a local path on a worker thread,
// in blocks of kBlockSize bytes, for a progress dialog to watch (GetText, GetProgress) and
// the user to cancel. The owner deletes the object (auto-delete is off) and, after the end
// broadcast, reads how it went: IsOk when the file at the out path holds the whole reply,
// HasConnectionError when the server could not be reached or the transfer broke, and
// GetResult for the exact outcome.
//
// Every reply with a success status (2xx) is saved, whatever its size and whether or not
// the server declared a length: without one the reply is read to its end.
//
// Nothing the user had is lost: the reply goes to a temporary file beside the target
// (kPartSuffix appended to the out path), which replaces the target only once the whole
// reply is in. A download that fails or is canceled removes the temporary file and
// leaves an older file at the out path as it was.
//
// Decisions of this library:
// - Only http and https addresses are fetched (the scheme in any case); any other address
//   ends at once as kBadAddress, so a download can never read ftp:// or file:// sources.
// - The session gives up on a silent server after its timeout (SetTimeout, 30 s unless
//   set); the transfer then ends as a connection error.
// - Cancel takes effect before the next block.
// - A reply that ends before its declared length is cut short (connection error); a read
//   that brings less than a block is no error by itself. Sizes are 64-bit.
// - A cache copy is neither used nor written: every download comes from the server.
// - Results and their flags:
//     kComplete         ok                      the file at the out path is the reply
//     kCanceled         not ok
//     kBadAddress       not ok                  not an http or https address
//     kServerError      not ok                  a status outside 2xx (GetStatusCode)
//     kLocalFileError   not ok                  the file cannot be created or written
//                                               (a full disk), or not put in place
//     kConnectionError  not ok, connection error  unreachable, refused, timed out,
//                                               broken or cut short
class AFX_EXT_CLASS CHttpDownloadThread : public CWorkerThread {
public:
    enum EResult {
        kNotRun,
        kComplete,
        kCanceled,
        kBadAddress,
        kServerError,
        kLocalFileError,
        kConnectionError,
    };
    static const UINT kBlockSize = 8192;
    static const char* const kPartSuffix;

    CHttpDownloadThread();
    ~CHttpDownloadThread() override;

    void SetUrl(const char* url);
    void SetOutPath(const char* path);
    CString GetOutPath() const;
    // Milliseconds the session waits for a server at most; 0 restores the default.
    void SetTimeout(DWORD timeoutMs) { mTimeout = timeoutMs; }

    // Sets the counts to 0 and closes both files.
    void Reset();
    bool IsOk() const { return mOk; }
    bool HasConnectionError() const { return mConnectionError; }
    EResult GetResult() const { return mResult; }
    // The reply's status, 0 before a reply came.
    DWORD GetStatusCode() const { return mStatusCode; }

    void ExecuteSelf(long param) override;
    // "Downloading <last part of the address>...".
    char* GetText() override;
    // Bytes written of the declared length; 0 while the length is unknown.
    double GetProgress() override;

protected:
    // Writes one block of the reply to the temporary file; a derived job may look at the
    // blocks as they pass.
    virtual void WriteBlock(CFile& file, const void* data, UINT size);

private:
    EResult Download();
    EResult Transfer(CHttpFile& remote);
    void End(EResult result);

    CString mUrl;
    CString mOutPath;
    CStdioFile* mRemoteFile;
    CFile* mLocalFile;
    std::atomic<ULONGLONG> mTotal;
    std::atomic<ULONGLONG> mDone;
    bool mOk;
    bool mConnectionError;
    EResult mResult;
    DWORD mStatusCode;
    DWORD mTimeout;
};
