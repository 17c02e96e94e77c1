#include "transfer/WmpSyncer.h"

#include "transfer/PmcRemote.h"

CWmpSyncer::CWmpSyncer() : mPlayer(new CPmcRemote) {}

CWmpSyncer::CWmpSyncer(const CWmpSyncer& other) : CFileSyncer(other), mPlayer(new CPmcRemote) {}

CWmpSyncer& CWmpSyncer::operator=(const CWmpSyncer& other)
{
    CFileSyncer::operator=(other);
    return *this;
}

CWmpSyncer::~CWmpSyncer()
{
    delete mPlayer;
}

bool CWmpSyncer::SyncSelf()
{
    mPlayer->SetPlayList(mDestination);
    return mPlayer->Add(mFromFile);
}
