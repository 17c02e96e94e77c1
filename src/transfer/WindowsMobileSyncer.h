#pragma once
#include "transfer/PhysicalFileSyncer.h"

class CWmFileUpload;

// Syncs to a Windows Mobile device through ActiveSync (CWmFileUpload). The destination is
// "<media folder>[\<sub folder>]\" in device memory, or below "Storage Card\" when the
// storage-card flag is set; ringtones always go to device memory, where the phone finds
// them. A media type without a folder sends the file to the root of the device memory
// ("\") or of the card ("Storage Card\"), never to a path with a doubled separator.
class AFX_EXT_CLASS CWindowsMobileSyncer : public CPhysicalFileSyncer {
public:
    CWindowsMobileSyncer();
    CWindowsMobileSyncer(const CWindowsMobileSyncer& other);
    CWindowsMobileSyncer& operator=(const CWindowsMobileSyncer& other);
    ~CWindowsMobileSyncer() override;

    void SetAddToStorageCard(bool storageCard) { mAddToStorageCard = storageCard; }
    bool GetAddToStorageCard() const { return mAddToStorageCard; }

protected:
    void PreSync() override;
    bool SyncSelf() override;

private:
    bool mAddToStorageCard = false;
    CWmFileUpload* mUpload;
};
