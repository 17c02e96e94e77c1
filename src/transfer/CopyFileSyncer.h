#pragma once
#include "transfer/PhysicalFileSyncer.h"

// Syncs to a portable player that shows up as a drive. PreSync finds the drive (E first,
// then D to Z) on which every set media folder exists below the root directory, and makes
// the destination "<drive>:\<root>\<media folder>[\<sub folder>]\"; SyncSelf copies the
// file there with a CFileCopyJob on the calling thread, replacing a file of the same name
// (only once the new copy is complete) and creating the sub folder as needed.
//
// Without a drive, or for a media type without a folder, the destination is empty and
// nothing is copied: the file never lands in the root of whatever drive is current. Sync
// answers true only when the whole file arrived.
class AFX_EXT_CLASS CCopyFileSyncer : public CPhysicalFileSyncer {
public:
    static const char kPreferredDrive = 'E';

    void SetRootDir(const char* root) { mRootDir = root ? root : ""; }
    const CString& GetRootDir() const { return mRootDir; }

protected:
    void PreSync() override;
    bool SyncSelf() override;

private:
    CString mRootDir;
};
