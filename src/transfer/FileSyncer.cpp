#include "transfer/FileSyncer.h"

CFileSyncer::CFileSyncer() = default;
CFileSyncer::CFileSyncer(const CFileSyncer& other) = default;
CFileSyncer& CFileSyncer::operator=(const CFileSyncer& other) = default;
CFileSyncer::~CFileSyncer() = default;

bool CFileSyncer::Sync()
{
    PreSync();
    const bool synced = SyncSelf();
    PostSync();
    return synced;
}

void CFileSyncer::SetFromFile(const char* path)
{
    if (path)
        mFromFile = path;
}

void CFileSyncer::SetDestination(const char* destination)
{
    if (destination)
        mDestination = destination;
}

void CFileSyncer::PreSync() {}

bool CFileSyncer::SyncSelf()
{
    return false;
}

void CFileSyncer::PostSync() {}
