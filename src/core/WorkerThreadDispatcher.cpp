#include "core/WorkerThreadDispatcher.h"

#include "core/WorkerThread.h"

IMPLEMENT_DYNCREATE(CWorkerThreadDispatcher, CFrameWnd)

CDispatcherHolder CWorkerThreadDispatcher::sHolder(RUNTIME_CLASS(CWorkerThreadDispatcher), "Threads");

BEGIN_MESSAGE_MAP(CWorkerThreadDispatcher, CFrameWnd)
    ON_MESSAGE(kUpdateMessage, OnUpdate)
    ON_MESSAGE(kCloseMessage, OnClose)
    ON_MESSAGE(kFinishMessage, OnFinish)
    ON_MESSAGE(kBroadcastMessage, OnBroadcast)
END_MESSAGE_MAP()

void CWorkerThreadDispatcher::AddUse()
{
    sHolder.AddUse();
}

void CWorkerThreadDispatcher::ReleaseUse()
{
    sHolder.ReleaseUse();
}

HWND CWorkerThreadDispatcher::GetWindow()
{
    return sHolder.GetWindow();
}

// Each handler leaves the window's members alone after calling the job: finishing the last
// job destroys this window.

LRESULT CWorkerThreadDispatcher::OnUpdate(WPARAM, LPARAM lParam)
{
    if (lParam)
        reinterpret_cast<CWorkerThread*>(lParam)->UpdateSelf();
    return 0;
}

LRESULT CWorkerThreadDispatcher::OnClose(WPARAM, LPARAM)
{
    DestroyWindow();
    return 0;
}

LRESULT CWorkerThreadDispatcher::OnFinish(WPARAM, LPARAM lParam)
{
    if (lParam)
        reinterpret_cast<CWorkerThread*>(lParam)->FinishSelf();
    return 0;
}

LRESULT CWorkerThreadDispatcher::OnBroadcast(WPARAM wParam, LPARAM lParam)
{
    if (lParam) {
        auto* worker = reinterpret_cast<CWorkerThread*>(lParam);
        worker->Broadcast(static_cast<long>(wParam), worker, nullptr);
    }
    return 0;
}
