#include "MessagePump.h"
#include "OwnWindows.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

namespace {

// Notes the codes it hears, and whether each came on the user-interface thread.
class CRecorder : public CListener {
public:
    std::vector<long> codes;
    bool elsewhere = false;
    const void* lastSender = nullptr;
    const void* lastExtra = reinterpret_cast<const void*>(1);

    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        codes.push_back(code);
        elsewhere = elsewhere || ::GetCurrentThreadId() != mThread;
        lastSender = sender;
        lastExtra = extra;
        return true;
    }
    bool Heard(long code) const { return std::find(codes.begin(), codes.end(), code) != codes.end(); }

private:
    const DWORD mThread = ::GetCurrentThreadId();
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

TEST(WorkerThread, ListenersHearStartBeforeEndOnTheUserInterfaceThreadAndASilentJobFinishesOnItsOwn)
{
    CProbeJob job;
    job.SetAutoDelete(false);
    CRecorder recorder;
    job.AddListener(&recorder);
    job.prepare = false;
    EXPECT_FALSE(job.Execute(1)) << "a refused preparation starts nothing";
    EXPECT_FALSE(job.IsRunning());

    job.prepare = true;
    ASSERT_TRUE(job.Execute(42));
    EXPECT_EQ(recorder.codes, std::vector<long>{CWorkerThread::kThreadStarted}) << "heard inside Execute";
    EXPECT_TRUE(job.IsRunning());
    ASSERT_TRUE(PumpMessagesUntil([&] { return recorder.Heard(CWorkerThread::kThreadFinished); }));
    EXPECT_FALSE(job.IsRunning());
    EXPECT_EQ(job.executedWith, 42);
    EXPECT_EQ(job.GetParam(), 42);
    EXPECT_EQ(job.GetProgress(), 1.0);
    EXPECT_EQ(recorder.codes, (std::vector<long>{2000000, 77, 2000001}));
    EXPECT_FALSE(recorder.elsewhere);
    EXPECT_EQ(recorder.lastSender, &job);
    EXPECT_EQ(recorder.lastExtra, nullptr);
    EXPECT_EQ(job.updateThread.load(), ::GetCurrentThreadId());
    EXPECT_EQ(job.finishThread.load(), ::GetCurrentThreadId());

    // A silent job finishes on its own thread.
    CProbeJob silent;
    silent.SetAutoDelete(false);
    CRecorder deaf;
    silent.AddListener(&deaf);
    silent.StopBroadcasting();
    ASSERT_TRUE(silent.Execute(0));
    ASSERT_TRUE(PumpMessagesUntil([&] { return silent.finishThread.load() != 0; }));
    EXPECT_NE(silent.finishThread.load(), ::GetCurrentThreadId());
    EXPECT_TRUE(deaf.codes.empty());
    ASSERT_TRUE(PumpMessagesUntil([&] { return !silent.IsRunning(); }));
}

TEST(WorkerThread, CancelIsCooperativeAKeptJobRunsAgainAndAnAutoDeletingOneGoes)
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
    recorder.codes.clear();
    job.loopUntilCanceled = false;
    ASSERT_TRUE(job.Execute(5));
    ASSERT_TRUE(PumpMessagesUntil([&] { return recorder.Heard(CWorkerThread::kThreadFinished); }));
    EXPECT_EQ(job.executedWith, 5);

    // An auto-deleting job is gone after its end notice.
    recorder.codes.clear();
    bool destroyed = false;
    auto* doomed = new CProbeJob(&destroyed);
    doomed->AddListener(&recorder);
    ASSERT_TRUE(doomed->Execute(0));
    ASSERT_TRUE(PumpMessagesUntil([&] { return destroyed; }));
    EXPECT_TRUE(recorder.Heard(CWorkerThread::kThreadFinished)) << "destroyed after its end notice";
}

// The job's memory stays mapped after the delete with every byte set to 1, so that a
// flag read afterwards reads true and a second delete calls through a broken table.
class CPoisonedJob : public CProbeJob {
public:
    using CProbeJob::CProbeJob;
    static void operator delete(void* memory, size_t size)
    {
        std::memset(memory, 1, size);
        sMemory = memory;
    }
    static void* sMemory;
};
void* CPoisonedJob::sMemory = nullptr;

// A fault inside a window procedure called by SendMessage is swallowed on the way back, so
// the test counts faults as they are raised.
std::atomic<int> sAccessViolations{ 0 };
LONG CALLBACK CountAccessViolation(EXCEPTION_POINTERS* exception)
{
    if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION)
        ++sAccessViolations;
    return EXCEPTION_CONTINUE_SEARCH;
}

TEST(WorkerThread, KeptJobMayBeDeletedByItsListenerAndTheDispatcherLivesFromTheFirstWorkerToTheLast)
{
    // A listener that deletes the job it hears finish, as owners of kept jobs do.
    class CDeleter : public CListener {
    public:
        bool ListenToMessage(long code, const void* sender, const void*) override
        {
            if (code == CWorkerThread::kThreadFinished)
                delete static_cast<const CWorkerThread*>(sender);
            return true;
        }
    } deleter;
    void* watch = ::AddVectoredExceptionHandler(1, CountAccessViolation);
    auto* job = new CPoisonedJob;
    job->SetAutoDelete(false);
    job->AddListener(&deleter);
    ASSERT_TRUE(job->Execute(0));
    EXPECT_TRUE(PumpMessagesUntil([&] { return CPoisonedJob::sMemory != nullptr; }));
    ::RemoveVectoredExceptionHandler(watch);
    ::operator delete(CPoisonedJob::sMemory);
    EXPECT_EQ(sAccessViolations.load(), 0) << "the job touched itself after its owner deleted it";

    // The dispatcher lives from the first worker object to the last.
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
    EXPECT_FALSE(::IsWindow(first));
    CProbeJob again;
    EXPECT_NE(DispatcherWindow(), nullptr);
}

