#pragma once
#include "afxwin.h"
#include "tnwbscut.h"
#include "tnwwndut.h"

#include <atomic>

// One long job (a copy, an upload, a download) on a thread of its own. Derive from it and
// override ExecuteSelf; poll IsCanceled there and write mProgress as the job advances.
//
// Listeners always run on the user-interface thread: the start (kThreadStarted), the end
// (kThreadFinished), progress updates (Update) and job broadcasts (IndirectBroadcast) are
// carried there by a blocking SendMessage to the process-wide hidden dispatcher window
// "Threads", so the worker waits while listeners run and the payload is always the worker
// object itself. Objects are constructed, executed and destroyed on the user-interface
// thread, which must keep dispatching messages while jobs run.
//
// Decisions of this library:
// - When the system cannot create the thread, Execute returns false and nothing is
//   broadcast, exactly as when PrepareSelf refuses: no start is announced that would never
//   end, and the caller still owns the object (an auto-deleting job is not deleted).
// - FinishSelf closes the thread's handle when it clears it.
// - The owner of a job that does not delete itself may delete it from inside the finished
//   broadcast: the job does not touch itself after that broadcast.
// - Execute does not touch the object after the thread starts unless it is broadcasting:
//   a silent auto-deleting job may finish, and delete itself, on its own thread at once.
class AFX_EXT_CLASS CWorkerThread : public CBroadcaster, public CWindowsProgressAction {
public:
    enum {
        kThreadStarted = 2000000,
        kThreadFinished = 2000001,
    };

    CWorkerThread();
    ~CWorkerThread() override;

    bool Execute(long param);

    virtual bool PrepareSelf(long param);
    virtual void ExecuteSelf(long param);
    virtual void FinishSelf();
    virtual void UpdateSelf();
    virtual void Cancel();

    double GetProgress() override;

    // Called on the worker thread.
    void Finish();
    void Update();
    void IndirectBroadcast(long code, const void* sender, const void* extra);
    bool IsCanceled() const { return mCanceled.load(); }

    bool IsRunning() const { return mThread != nullptr; }
    long GetParam() const { return mParam; }
    void SetAutoDelete(bool autoDelete) { mAutoDelete = autoDelete; }
    bool IsAutoDelete() const { return mAutoDelete; }

protected:
    // Written by the job's thread, read by the progress display on the other.
    std::atomic<double> mProgress{ 0.0 };

private:
    static DWORD WINAPI ThreadProc(LPVOID parameter);
    // Sends a dispatcher message and waits until the user-interface thread handled it;
    // false when there is no dispatcher window.
    bool SendToDispatcher(UINT message, WPARAM wParam);

    std::atomic<HANDLE> mThread{ nullptr };
    DWORD mThreadId = 0;
    long mParam = 0;
    bool mAutoDelete = true;
    std::atomic<bool> mCanceled{ false };
};
