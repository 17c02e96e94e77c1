#include "core/WorkerThread.h"

#include "core/WorkerThreadDispatcher.h"

CWorkerThread::CWorkerThread()
{
    CWorkerThreadDispatcher::AddUse();
}

CWorkerThread::~CWorkerThread()
{
    CWorkerThreadDispatcher::ReleaseUse();
}

bool CWorkerThread::Execute(long param)
{
    if (!PrepareSelf(param))
        return false;
    StartProgress();
    mCanceled = false;
    mParam = param;

    DWORD threadId = 0;
    HANDLE thread = ::CreateThread(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, &threadId);
    if (!thread)
        return false;
    mThread = thread;
    mThreadId = threadId;
    // Once running, a job that is not broadcasting finishes on its own thread and may
    // delete itself; only a broadcasting job waits for this thread before it ends.
    const bool announce = IsBroadcasting();
    ::ResumeThread(thread);
    if (announce)
        Broadcast(kThreadStarted, this, nullptr);
    return true;
}

DWORD WINAPI CWorkerThread::ThreadProc(LPVOID parameter)
{
    auto* worker = static_cast<CWorkerThread*>(parameter);
    worker->ExecuteSelf(worker->GetParam());
    worker->Finish();
    return 0;
}

bool CWorkerThread::PrepareSelf(long)
{
    return true;
}

void CWorkerThread::ExecuteSelf(long) {}

void CWorkerThread::Finish()
{
    if (IsBroadcasting() && SendToDispatcher(CWorkerThreadDispatcher::kFinishMessage, 0))
        return;
    FinishSelf();
}

void CWorkerThread::FinishSelf()
{
    HANDLE thread = mThread.exchange(nullptr);
    mThreadId = 0;
    if (thread)
        ::CloseHandle(thread);
    // The owner of a kept job may delete it while hearing that it finished: nothing of the
    // object is read after the broadcast.
    const bool autoDelete = mAutoDelete;
    Broadcast(kThreadFinished, this, nullptr);
    if (autoDelete)
        delete this;
}

void CWorkerThread::Update()
{
    SendToDispatcher(CWorkerThreadDispatcher::kUpdateMessage, 0);
}

void CWorkerThread::UpdateSelf() {}

void CWorkerThread::IndirectBroadcast(long code, const void*, const void*)
{
    SendToDispatcher(CWorkerThreadDispatcher::kBroadcastMessage, static_cast<WPARAM>(code));
}

void CWorkerThread::Cancel()
{
    mCanceled = true;
}

double CWorkerThread::GetProgress()
{
    return mProgress;
}

bool CWorkerThread::SendToDispatcher(UINT message, WPARAM wParam)
{
    HWND dispatcher = CWorkerThreadDispatcher::GetWindow();
    if (!dispatcher)
        return false;
    ::SendMessageA(dispatcher, message, wParam, reinterpret_cast<LPARAM>(this));
    return true;
}
