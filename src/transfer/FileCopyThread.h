#pragma once
#include "core/WorkerThread.h"
#include "prompts/RepeatPrompter.h"
#include "transfer/FileCopyJob.h"

#include <atomic>

// Runs a list of copy jobs one after another on a worker thread, for a progress dialog to
// watch: GetText names the file being copied, GetProgress weighs every job by its bytes.
// A job's error does not stop the run; Cancel stops the running job before its next chunk
// and starts no further job. Replace questions are asked from the copying thread through
// the thread's own prompter, and an "Apply to All" answer lasts for the rest of the run.
//
// The object outlives its runs (it does not delete itself) and keeps its jobs between
// runs until Reset, so a run can be repeated and its jobs asked for their errors. Add and
// remove jobs only while no run is going: the running thread walks the list unlocked.
//
// Decisions of this library:
// - Progress counts the jobs of the current run whose turn has passed (copied, skipped or
//   failed) in full and the running job by the bytes it has copied: it rises from 0.0 when
//   a run starts to 1.0 when it ends, and before the first run it is 0.0.
// - The destructor deletes the jobs the thread still owns.
class AFX_EXT_CLASS CFileCopyThread : public CWorkerThread {
public:
    CFileCopyThread();
    ~CFileCopyThread() override;

    // Deletes every job.
    void Reset();
    void AddJob(const char* from, const char* to, EFileReplace option);
    // The thread owns the job from then on.
    void AddJob(CFileCopyJob* job);
    int GetJobCount() const { return mJobs.GetItemCount(); }
    CFileCopyJob* GetJob(int index) const { return static_cast<CFileCopyJob*>(mJobs.GetAt(index)); }

    bool PrepareSelf(long param) override;
    void ExecuteSelf(long param) override;
    void Cancel() override;

    // "Copying <file>..." while a job runs, else empty.
    char* GetText() override;
    double GetProgress() override;

private:
    CRepeatPrompter mPrompter;
    CPointerList mJobs;
    // Set by the copying thread; read by progress displays and Cancel.
    std::atomic<CFileCopyJob*> mCurrentJob{ nullptr };
    std::atomic<int> mJobsPassed{ 0 };
};
