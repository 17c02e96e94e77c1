#pragma once
#include "transfer/FileSyncer.h"

class CPmcRemote;

// Syncs into the Windows Media Player library; the destination names the playlist the
// player's own synchronisation carries to a device (empty for the library only). Sync
// answers what CPmcRemote::Add answers.
class AFX_EXT_CLASS CWmpSyncer : public CFileSyncer {
public:
    CWmpSyncer();
    CWmpSyncer(const CWmpSyncer& other);
    CWmpSyncer& operator=(const CWmpSyncer& other);
    ~CWmpSyncer() override;

protected:
    bool SyncSelf() override;

private:
    CPmcRemote* mPlayer;
};
