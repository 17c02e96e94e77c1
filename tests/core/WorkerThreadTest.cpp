#include "MessagePump.h"
#include "OwnWindows.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace {

struct Heard {
    long code;
    DWORD thread;
};

class CRecorder : public CListener {
public:
    std::vector<Heard> heard;
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        heard.push_back({ code, ::GetCurrentThreadId() });
        lastSender = sender;
        lastExtra = extra;
        return true;
    }
    bool Heard(long code) const
    {
        for (const auto& h : heard)
            if (h.code == code)
                return true;
        return false;
    }
    const void* lastSender = nullptr;
    const void* lastExtra = reinterpret_cast<const void*>(1);
};

// A job that reports what happened to it and on which thread.
class CProbeJob : public CWorkerThread {
public:
    explicit CProbeJob(bool* destroyed = nullptr) : mDestroyed(destroyed) {}
    ~CProbeJob() override
    {
        if (mDestroyed)
            *mDestroyed = true;
    }

    bool prepare = true;
    bool loopUntilCanceled = false;
    long executedWith = -1;
    std::atomic<DWORD> finishThread{ 0 };
    std::atomic<DWORD> updateThread{ 0 };
    std::atomic<bool> sawCancel{ false };

    bool PrepareSelf(long) override { return prepare; }
    void ExecuteSelf(long param) override
    {
        executedWith = param;
        mProgress = 0.5;
        Update();
        IndirectBroadcast(77, nullptr, nullptr);
        while (loopUntilCanceled && !IsCanceled())
            ::Sleep(1); // the job's own work: waits for the flag it polls
        sawCancel = IsCanceled();
        mProgress = 1.0;
    }
    void UpdateSelf() override { updateThread = ::GetCurrentThreadId(); }
    void FinishSelf() override
    {
        finishThread = ::GetCurrentThreadId();
        CWorkerThread::FinishSelf();
    }

private:
    bool* mDestroyed;
};

HWND DispatcherWindow()
{
    return FindOwnWindow(nullptr, "Threads");
}

} // namespace

TEST(WorkerThread, ListenersHearStartBeforeEndOnTheUserInterfaceThread)
{
    CProbeJob job;
    job.SetAutoDelete(false);
    CRecorder recorder;
    job.AddListener(&recorder);
    EXPECT_FALSE(job.IsRunning());

    ASSERT_TRUE(job.Execute(42));
    ASSERT_FALSE(recorder.heard.empty());
    EXPECT_EQ(recorder.heard.front().code, CWorkerThread::kThreadStarted);
    EXPECT_TRUE(job.IsRunning());

    ASSERT_TRUE(PumpMessagesUntil([&] { return recorder.Heard(CWorkerThread::kThreadFinished); }));
    EXPECT_FALSE(job.IsRunning());
    EXPECT_EQ(job.executedWith, 42);
    EXPECT_EQ(job.GetParam(), 42);
    EXPECT_EQ(job.GetProgress(), 1.0);

    const DWORD ui = ::GetCurrentThreadId();
    std::vector<long> codes;
    for (const auto& h : recorder.heard) {
        codes.push_back(h.code);
        EXPECT_EQ(h.thread, ui) << "code " << h.code;
    }
    EXPECT_EQ(codes, (std::vector<long>{ 2000000, 77, 2000001 }));
    EXPECT_EQ(recorder.lastSender, &job);
    EXPECT_EQ(recorder.lastExtra, nullptr);
    EXPECT_EQ(job.updateThread.load(), ui);
    EXPECT_EQ(job.finishThread.load(), ui);
}

TEST(WorkerThread, RefusedPreparationStartsNothing)
{
    CProbeJob job;
    job.SetAutoDelete(false);
    job.prepare = false;
    CRecorder recorder;
    job.AddListener(&recorder);
    EXPECT_FALSE(job.Execute(1));
    EXPECT_FALSE(job.IsRunning());
    PumpMessagesFor(50);
    EXPECT_TRUE(recorder.heard.empty());
    EXPECT_EQ(job.executedWith, -1);
}

TEST(WorkerThread, SilentJobFinishesOnItsOwnThread)
{
    CProbeJob job;
    job.SetAutoDelete(false);
    CRecorder recorder;
    job.AddListener(&recorder);
    job.StopBroadcasting();
    ASSERT_TRUE(job.Execute(0));
    ASSERT_TRUE(PumpMessagesUntil([&] { return job.finishThread.load() != 0; }));
    EXPECT_NE(job.finishThread.load(), ::GetCurrentThreadId());
    EXPECT_TRUE(recorder.heard.empty());
    ASSERT_TRUE(PumpMessagesUntil([&] { return !job.IsRunning(); }));
}

TEST(WorkerThread, CancelIsCooperativeAndClearedByExecute)
{
    CProbeJob job;
    job.SetAutoDelete(false);
    CRecorder recorder;
    job.AddListener(&recorder);
    job.Cancel();
    job.loopUntilCanceled = true;
    ASSERT_TRUE(job.Execute(0));
    EXPECT_FALSE(job.IsCanceled()) << "Execute clears an earlier cancel";
    ASSERT_TRUE(PumpMessagesUntil([&] { return job.updateThread.load() != 0; }));
    EXPECT_TRUE(job.IsRunning());
    job.Cancel();
    ASSERT_TRUE(PumpMessagesUntil([&] { return recorder.Heard(CWorkerThread::kThreadFinished); }));
    EXPECT_TRUE(job.sawCancel.load());

    // An idle job that does not delete itself runs again.
    recorder.heard.clear();
    job.loopUntilCanceled = false;
    ASSERT_TRUE(job.Execute(5));
    ASSERT_TRUE(PumpMessagesUntil([&] { return recorder.Heard(CWorkerThread::kThreadFinished); }));
    EXPECT_EQ(job.executedWith, 5);
}

TEST(WorkerThread, AutoDeletingJobIsGoneAfterItsEndNotice)
{
    bool destroyed = false;
    auto* job = new CProbeJob(&destroyed);
    CRecorder recorder;
    job->AddListener(&recorder);
    ASSERT_TRUE(job->Execute(0));
    ASSERT_TRUE(PumpMessagesUntil([&] { return destroyed; }));
    EXPECT_TRUE(recorder.Heard(CWorkerThread::kThreadFinished));
}

TEST(WorkerThread, DispatcherLivesFromTheFirstWorkerObjectToTheLast)
{
    ASSERT_EQ(DispatcherWindow(), nullptr);
    HWND first;
    {
        CProbeJob one;
        first = DispatcherWindow();
        ASSERT_NE(first, nullptr);
        EXPECT_TRUE(CWnd::FromHandlePermanent(first)->IsKindOf(RUNTIME_CLASS(CWorkerThreadDispatcher)));
        EXPECT_FALSE(::IsWindowVisible(first));
        {
            CProbeJob two;
            EXPECT_EQ(DispatcherWindow(), first) << "one dispatcher serves every worker";
        }
        EXPECT_EQ(DispatcherWindow(), first);
    }
    EXPECT_EQ(DispatcherWindow(), nullptr);
    EXPECT_FALSE(::IsWindow(first));

    CProbeJob again;
    EXPECT_NE(DispatcherWindow(), nullptr);
}

TEST(WorkerThread, DispatcherIgnoresMessagesWithoutAJob)
{
    CProbeJob keepAlive;
    HWND dispatcher = DispatcherWindow();
    for (UINT message = WM_USER + 200; message <= WM_USER + 203; ++message) {
        if (message == WM_USER + 201)
            continue; // the close message is not the dispatcher's to receive from outside
        EXPECT_EQ(::SendMessageA(dispatcher, message, 5, 0), 0);
    }
    EXPECT_TRUE(::IsWindow(dispatcher));
}
