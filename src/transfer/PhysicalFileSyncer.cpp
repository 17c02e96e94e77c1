#include "transfer/PhysicalFileSyncer.h"

CString CPhysicalFileSyncer::GetMediaFolder() const
{
    switch (mMediaType) {
    case kMediaTypeVideo:
        return mVideoFolder;
    case kMediaTypeAudio:
        return mAudioFolder;
    case kMediaTypePhoto:
        return mPhotoFolder;
    case kMediaTypeRingtone:
        return mRingtoneFolder;
    default:
        return CString();
    }
}
