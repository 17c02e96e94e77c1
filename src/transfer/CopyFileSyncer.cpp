#include "transfer/CopyFileSyncer.h"

#include "transfer/DeviceFinder.h"
#include "transfer/FileCopyJob.h"

void CCopyFileSyncer::PreSync()
{
    CDeviceFinder finder;
    finder.SetRootDir(mRootDir);
    finder.AddPath(mVideoFolder);
    finder.AddPath(mAudioFolder);
    finder.AddPath(mPhotoFolder);
    finder.AddPath(mRingtoneFolder);
    CString path = CDeviceFinder::GetPath(finder.FindDrive(kPreferredDrive), mRootDir, GetMediaFolder());
    if (!path.IsEmpty() && !mSubFolder.IsEmpty())
        path += "\\" + mSubFolder;
    mDestination = path.IsEmpty() ? CString() : path + "\\";
}

bool CCopyFileSyncer::SyncSelf()
{
    if (mDestination.IsEmpty() || mFromFile.IsEmpty())
        return false;
    const CString target = mDestination + UFileUtils::GetFileNameOnly(mFromFile).c_str();
    CFileCopyJob job;
    job.SetFromFilePath(mFromFile);
    job.SetToFilePath(target);
    job.Copy(nullptr);
    return !job.HadError() && job.GetDone() == job.GetLength() && UFileUtils::FileExist(target);
}
