#pragma once
#include "afxwin.h"

class CWmRemoteAPI;

// Copies one local file into a folder of a Windows Mobile device connected through
// ActiveSync, over the Remote API (CWmRemoteAPI). The copy runs on the calling thread and
// blocks it; where the user must know why nothing arrived, it says so in a message box.
//
// What the device ends up with is either the old copy or the complete new one:
// - the connection counts only once the API has signalled the end of its attempt (within
//   kConnectTimeoutMs) with success;
// - the folders of the copy-to directory are created on the device as needed;
// - the file goes to "<name>.part" beside its final name, in blocks of kBlockSize bytes
//   with 64-bit sizes (files beyond 4 GiB arrive whole); every read, write and close is
//   checked, and a copy that ends short is a failure;
// - only the complete copy takes the final name, replacing an older copy then; a failed
//   copy removes its part file and leaves an older copy as it was.
// The device file's creation time is the local file's, when that could be read.
class AFX_EXT_CLASS CWmFileUpload {
public:
    static const DWORD kBlockSize = 8192;
    static const DWORD kConnectTimeoutMs = 10000;
    static const char* const kConnectMessage;
    static const char* const kNoDeviceMessage;

    CWmFileUpload();
    CWmFileUpload(const CWmFileUpload& other);
    CWmFileUpload& operator=(const CWmFileUpload& other);
    virtual ~CWmFileUpload();

    void SetCopyFromFile(const char* path);
    const CString& GetCopyFromFile() const { return mFromFile; }
    // A device folder ending in a backslash ("My Documents\My Videos\"); "\" is the device's
    // root.
    void SetCopyToDirectory(const char* directory);
    const CString& GetCopyToDirectory() const { return mToDirectory; }

    // True when the whole file was written to the device under its own name.
    bool Copy();

private:
    bool Connect(CWmRemoteAPI& api);
    bool CreateFolders(CWmRemoteAPI& api);
    bool Transfer(CWmRemoteAPI& api, HANDLE local, const CString& partPath);
    bool Replace(CWmRemoteAPI& api, const CString& partPath, const CString& target);

    CString mFromFile;
    CString mToDirectory;
};
