#include "transfer/WindowsMobileSyncer.h"

#include "transfer/WmFileUpload.h"

CWindowsMobileSyncer::CWindowsMobileSyncer() : mUpload(new CWmFileUpload) {}

CWindowsMobileSyncer::CWindowsMobileSyncer(const CWindowsMobileSyncer& other)
    : CPhysicalFileSyncer(other), mAddToStorageCard(other.mAddToStorageCard), mUpload(new CWmFileUpload)
{
}

CWindowsMobileSyncer& CWindowsMobileSyncer::operator=(const CWindowsMobileSyncer& other)
{
    CPhysicalFileSyncer::operator=(other);
    mAddToStorageCard = other.mAddToStorageCard;
    return *this;
}

CWindowsMobileSyncer::~CWindowsMobileSyncer()
{
    delete mUpload;
}

void CWindowsMobileSyncer::PreSync()
{
    CString folder = GetMediaFolder();
    if (!folder.IsEmpty() && !mSubFolder.IsEmpty())
        folder += "\\" + mSubFolder;
    if (mAddToStorageCard && mMediaType != kMediaTypeRingtone)
        mDestination = "Storage Card\\" + folder + "\\";
    else
        mDestination = folder + "\\";
}

bool CWindowsMobileSyncer::SyncSelf()
{
    mUpload->SetCopyFromFile(mFromFile);
    mUpload->SetCopyToDirectory(mDestination);
    return mUpload->Copy();
}
