#include "transfer/FileCopyThread.h"

#include <algorithm>

CFileCopyThread::CFileCopyThread()
{
    SetAutoDelete(false);
}

CFileCopyThread::~CFileCopyThread()
{
    Reset();
}

void CFileCopyThread::Reset()
{
    for (int i = 0; i < GetJobCount(); ++i)
        delete GetJob(i);
    mJobs.RemoveAll();
    mJobsPassed = 0;
}

void CFileCopyThread::AddJob(const char* from, const char* to, EFileReplace option)
{
    auto* job = new CFileCopyJob;
    job->SetFromFilePath(from);
    job->SetToFilePath(to);
    job->SetFileOption(option);
    AddJob(job);
}

void CFileCopyThread::AddJob(CFileCopyJob* job)
{
    if (job)
        mJobs.Add(job);
}

bool CFileCopyThread::PrepareSelf(long)
{
    mJobsPassed = 0;
    return true;
}

void CFileCopyThread::ExecuteSelf(long)
{
    mPrompter.Reset();
    for (int i = 0; i < GetJobCount() && !IsCanceled(); ++i) {
        CFileCopyJob* job = GetJob(i);
        mCurrentJob = job;
        job->Copy(&mPrompter);
        // The job leaves before it counts as passed, so progress never counts it twice.
        mCurrentJob = nullptr;
        ++mJobsPassed;
    }
}

void CFileCopyThread::Cancel()
{
    CWorkerThread::Cancel();
    if (CFileCopyJob* job = mCurrentJob)
        job->Cancel();
}

char* CFileCopyThread::GetText()
{
    CFileCopyJob* job = mCurrentJob;
    return UStringBuffer::Text(job ? static_cast<LPCSTR>(job->GetText()) : "");
}

double CFileCopyThread::GetProgress()
{
    // Read the passed count before the running job: the copying thread clears the job
    // before it counts it, so a read between the two can only come out short, never long.
    const int passed = mJobsPassed;
    CFileCopyJob* current = mCurrentJob;
    __int64 total = 0;
    __int64 copied = 0;
    for (int i = 0; i < GetJobCount(); ++i) {
        const __int64 length = std::max<__int64>(GetJob(i)->GetLength(), 0);
        total += length;
        if (i < passed)
            copied += length;
    }
    if (current)
        copied += std::min(current->GetDone(), std::max<__int64>(current->GetLength(), 0));
    if (total <= 0)
        return 0.0;
    return std::min(1.0, static_cast<double>(copied) / static_cast<double>(total));
}
