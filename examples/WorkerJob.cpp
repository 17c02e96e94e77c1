// A worker job with its progress shown on the user-interface thread. The job sums numbers
// on a thread of its own and reports ten times; every report, and the start and end
// notices, are delivered on the thread that started it.
#include "Pump.h"
#include "tnwmfcut.h"

#include <cstdio>

class CSumJob : public CWorkerThread {
public:
    explicit CSumJob(DWORD uiThread) : mUiThread(uiThread) {}

    long long mSum = 0;
    int mReports = 0;
    bool mAllOnUiThread = true;

    // On the job's thread: work, write mProgress, and call Update to report.
    void ExecuteSelf(long count) override
    {
        for (long i = 1; i <= count && !IsCanceled(); ++i) {
            mSum += i;
            if (i % (count / 10) == 0) {
                mProgress = static_cast<double>(i) / count;
                Update(); // waits while UpdateSelf runs on the user-interface thread
            }
        }
    }
    // On the user-interface thread: safe to touch windows here.
    void UpdateSelf() override
    {
        ++mReports;
        mAllOnUiThread = mAllOnUiThread && ::GetCurrentThreadId() == mUiThread;
        std::printf("progress %3.0f%%\n", GetProgress() * 100);
    }

private:
    DWORD mUiThread;
};

// Hears the end. The job deletes itself right after this broadcast (it auto-deletes unless
// told otherwise), so everything wanted from it is read here and the pointer dropped.
class CEndListener : public CListener {
public:
    bool mFinished = false;
    bool mGood = false;
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code != CWorkerThread::kThreadFinished)
            return CListener::ListenToMessage(code, sender, extra);
        const CSumJob* job = static_cast<const CSumJob*>(sender);
        std::printf("sum %lld after %d reports\n", job->mSum, job->mReports);
        mGood = job->mSum == 50005000 && job->mReports == 10 && job->mAllOnUiThread;
        mFinished = true;
        return true;
    }
};

CWinApp theApp("worker-job");

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_HIDE))
        return 2;
    CEndListener listener;
    CSumJob* job = new CSumJob(::GetCurrentThreadId()); // deletes itself when finished
    job->AddListener(&listener);
    if (!job->Execute(10000)) {
        delete job; // a job that never started is still the caller's
        return 3;
    }
    if (!PumpUntil([&] { return listener.mFinished; }))
        return 4;
    return listener.mGood ? 0 : 1;
}
