#pragma once
#include "transfer/FileSyncer.h"

// A syncer whose target is addressed by folders: one folder per media type, relative to
// the target's root, and an optional sub folder below it.
class AFX_EXT_CLASS CPhysicalFileSyncer : public CFileSyncer {
public:
    void SetVideoFolder(const char* folder) { mVideoFolder = folder ? folder : ""; }
    void SetAudioFolder(const char* folder) { mAudioFolder = folder ? folder : ""; }
    void SetPhotoFolder(const char* folder) { mPhotoFolder = folder ? folder : ""; }
    void SetRingtoneFolder(const char* folder) { mRingtoneFolder = folder ? folder : ""; }
    void SetSubFolder(const char* folder) { mSubFolder = folder ? folder : ""; }

    // The folder of the media type; empty for a type without one.
    CString GetMediaFolder() const;

protected:
    CString mVideoFolder;
    CString mAudioFolder;
    CString mPhotoFolder;
    CString mRingtoneFolder;
    CString mSubFolder;
};
