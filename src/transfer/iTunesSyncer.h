#pragma once
#include "transfer/FileSyncer.h"

class CiTune;

// Syncs into the iTunes library; the destination names the user playlist to file the
// track under (empty for none). Sync answers what CiTune::Add answers.
class AFX_EXT_CLASS CiTunesSyncer : public CFileSyncer {
public:
    CiTunesSyncer();
    CiTunesSyncer(const CiTunesSyncer& other);
    CiTunesSyncer& operator=(const CiTunesSyncer& other);
    ~CiTunesSyncer() override;

protected:
    bool SyncSelf() override;

private:
    CiTune* mTune;
};
