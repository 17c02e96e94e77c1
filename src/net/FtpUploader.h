#pragma once
#include "net/NetSession.h"

#include "afxinet.h"
#include "tnwwndut.h"

// Publishes a block of bytes (a still image, typically) as one file on an FTP server,
// at most once per interval, so that a web page can show the latest picture. Every upload
// goes to the same remote path and replaces the previous file; missing remote folders
// are created on the way. The uploader keeps its connection open between uploads and
// reports what happened as a status line (GetStatus) for the user interface.
//
// Threads. An upload thread writes while the user-interface thread changes settings and
// reads the status. One lock (the connection lock) guards the connection and the
// settings: a setter waits for an upload in progress before it closes the connection,
// and an upload never sees half-changed settings. Locks are always taken in the order
// handler list, image lock (CFtpImageHandler), connection lock, status lock.
//
// Decisions of this library:
// - Server, path, user name and password never hold a line break (CR or LF), which would
//   end an FTP command early and smuggle in another: a setter refuses such a text
//   (returns false) and keeps the value it had.
// - The interval test works on the difference of the millisecond clock readings, so it
//   stays right when the clock wraps around after 49.7 days. The last upload time 0
//   means "never"; an upload let through at clock reading 0 is recorded as 1.
// - An upload counts only when the server confirmed the stored file: a transfer that the
//   server aborted after taking the bytes (a full disk) fails like any other.
// - Nothing waits for the server without a limit: the session's timeout (SetTimeout)
//   applies to connecting and to every transfer.
class AFX_EXT_CLASS CFtpUploader {
public:
    static const char* const kStatusConnected;
    static const char* const kStatusConnectFailed;
    static const char* const kStatusUploaded;
    static const char* const kStatusUploadFailed;
    static const char* const kStatusDisconnected;

    CFtpUploader();
    virtual ~CFtpUploader();
    CFtpUploader(const CFtpUploader&) = delete;
    CFtpUploader& operator=(const CFtpUploader&) = delete;

    // Each closes the connection, then stores the value; the next upload connects with it.
    // The texts are refused when they hold a line break.
    bool SetServer(const char* server);
    bool SetPath(const char* path);
    bool SetUserName(const char* userName);
    bool SetPassword(const char* password);
    void SetPort(int port);
    void SetPassive(bool passive);
    CString& GetServer() { return mServer; }
    CString& GetPath() { return mPath; }
    CString& GetUserName() { return mUserName; }
    CString& GetPassword() { return mPassword; }
    int GetPort() const { return mPort; }
    bool GetPassive() const { return mPassive; }

    // Seconds between two uploads; the connection stays open.
    void SetInterval(unsigned short seconds) { mInterval = seconds; }
    unsigned short GetInterval() const { return mInterval; }
    // Milliseconds of timeGetTime; 0 means never.
    void SetLastUploadTime(unsigned long time) { mLastUploadTime = time; }
    unsigned long GetLastUploadTime() const { return mLastUploadTime; }
    // Milliseconds to wait for the server at most; applies to connections opened later.
    void SetTimeout(DWORD timeoutMs);

    // Connects unless connected; whether a connection is open.
    bool Open();
    bool IsOpen() const { return mConnection != nullptr; }
    // Closes an open connection, with the status kStatusDisconnected.
    void Close();

    // One upload of size bytes to the path, when the interval allows it.
    bool WriteData(const unsigned char* data, unsigned long size);
    // The remote file at path, opened for writing; folders are created when the file cannot
    // be opened as it is. Null when it cannot be opened.
    CInternetFile* OpenFile(const char* path);
    CInternetFile* ReallyOpenFile(const char* path);
    // Makes sure the remote folder exists, creating its missing parents first.
    bool OpenDirectory(const char* directory);

    void SetStatus(const char* status);
    CString GetStatus();

    virtual bool CheckWriteInterval();
    // True (and last becomes now) when more than seconds have passed since last, or when
    // last is 0.
    virtual bool CheckInterval(unsigned long& last, unsigned short seconds);
    // The test itself: whether strictly more than seconds have passed from last to now,
    // on a millisecond clock that wraps around.
    static bool HasIntervalPassed(unsigned long last, unsigned long now, unsigned short seconds);

protected:
    // Guards the connection and the settings.
    CTwCriticalSection mConnectionSafe;

private:
    static bool IsSafeText(const char* text);
    bool StoreText(CString& field, const char* text);

    unsigned short mInterval;
    CString mServer;
    CString mPath;
    CString mUserName;
    CString mPassword;
    int mPort;
    bool mPassive;
    CNetSession mSession;
    CFtpConnection* mConnection;
    CTwCriticalSection mStatusSafe;
    CString mStatus;
    unsigned long mLastUploadTime;
};

// For modules that cannot call members: false for a null uploader, otherwise its
// WriteData(data, size).
extern "C" AFX_EXT_API bool __cdecl FtpWriteData(CFtpUploader* uploader, const unsigned char* data,
                                                  unsigned long size);
