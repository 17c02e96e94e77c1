#include "transfer/iTunesSyncer.h"

#include "transfer/iTune.h"

CiTunesSyncer::CiTunesSyncer() : mTune(new CiTune) {}

CiTunesSyncer::CiTunesSyncer(const CiTunesSyncer& other) : CFileSyncer(other), mTune(new CiTune) {}

CiTunesSyncer& CiTunesSyncer::operator=(const CiTunesSyncer& other)
{
    CFileSyncer::operator=(other);
    return *this;
}

CiTunesSyncer::~CiTunesSyncer()
{
    delete mTune;
}

bool CiTunesSyncer::SyncSelf()
{
    mTune->SetPlayList(mDestination);
    return mTune->Add(mFromFile);
}
