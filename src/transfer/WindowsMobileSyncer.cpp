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
    // No doubled separator when there is no folder: the file goes to the card's root.
    const CString card = mAddToStorageCard && mMediaType != kMediaTypeRingtone ? "Storage Card" : "";
    if (card.IsEmpty() || folder.IsEmpty())
        mDestination = card + folder + "\\";
    else
        mDestination = card + "\\" + folder + "\\";
}

bool CWindowsMobileSyncer::SyncSelf()
{
    mUpload->SetCopyFromFile(mFromFile);
    mUpload->SetCopyToDirectory(mDestination);
    return mUpload->Copy();
}
