#pragma once
#include "tnwmfcut.h"

#include <vector>

// The demo's worker job: writes a few sample files, then computes a checksum of each on
// the worker thread, reporting progress after each file.
class CChecksumJob : public CWorkerThread {
public:
    explicit CChecksumJob(LPCSTR folder) : mFolder(folder) {}

    // Files done so far and their checksums, read on the user-interface thread while the
    // worker waits in Update.
    int GetFilesDone() const { return mFilesDone; }
    unsigned long GetLastChecksum() const { return mLastChecksum; }

    static const int kFileCount = 5;

protected:
    bool PrepareSelf(long param) override;
    void ExecuteSelf(long param) override;

private:
    CString FilePath(int index) const;

    CString mFolder;
    int mFilesDone = 0;
    unsigned long mLastChecksum = 0;
};
