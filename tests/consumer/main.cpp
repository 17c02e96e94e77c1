// Runs one worker job the way an application would and reports its notices.
#include "tnwmfcut.h"

#include <cstdio>

namespace {

class CSumJob : public CWorkerThread {
public:
    long long sum = 0;
    void ExecuteSelf(long count) override
    {
        for (long i = 1; i <= count; ++i)
            sum += i;
        mProgress = 1.0;
    }
};

class CEndWatcher : public CListener {
public:
    bool started = false;
    bool finished = false;
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code == CWorkerThread::kThreadStarted)
            started = true;
        else if (code == CWorkerThread::kThreadFinished)
            finished = true;
        else
            return CListener::ListenToMessage(code, sender, extra);
        return true;
    }
};

CWinApp sTheApp("consumer");

} // namespace

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_HIDE))
        return 2;
    CSumJob job;
    job.SetAutoDelete(false);
    CEndWatcher watcher;
    job.AddListener(&watcher);
    if (!job.Execute(1000))
        return 3;
    const ULONGLONG deadline = ::GetTickCount64() + 10000;
    MSG msg;
    while (!watcher.finished && ::GetTickCount64() < deadline) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    std::printf("started %d finished %d sum %lld\n", watcher.started, watcher.finished, job.sum);
    return watcher.started && watcher.finished && job.sum == 500500 ? 0 : 1;
}
