#pragma once
#include "afxwin.h"

// A Windows Mobile target that transfers nothing: Add always answers false. Kept for
// applications that choose the device memory or the storage card before a transfer is
// set up; CWmFileUpload does the copying.
class AFX_EXT_CLASS CWmRemote {
public:
    CWmRemote() = default;
    virtual ~CWmRemote() = default;

    void SetStorageCard(int storageCard) { mStorageCard = storageCard != 0; }
    bool GetStorageCard() const { return mStorageCard; }
    bool Add(const char* path);

private:
    bool mStorageCard = false;
};

// The ringtone target of a Windows Mobile device; transfers nothing either.
class AFX_EXT_CLASS CWmRingtoneRemote : public CWmRemote {
public:
    bool Add(const char* path);
};
