#include "core/WorkerThreadDispatcher.h"

#include "core/WorkerThread.h"

IMPLEMENT_DYNCREATE(CWorkerThreadDispatcher, CFrameWnd)

CWorkerThreadDispatcher* CWorkerThreadDispatcher::sWindow = nullptr;
int CWorkerThreadDispatcher::sUseCount = 0;

BEGIN_MESSAGE_MAP(CWorkerThreadDispatcher, CFrameWnd)
    ON_MESSAGE(kUpdateMessage, OnUpdate)
    ON_MESSAGE(kCloseMessage, OnClose)
    ON_MESSAGE(kFinishMessage, OnFinish)
    ON_MESSAGE(kBroadcastMessage, OnBroadcast)
END_MESSAGE_MAP()

void CWorkerThreadDispatcher::AddUse()
{
    if (sUseCount == 0) {
        auto* window = static_cast<CWorkerThreadDispatcher*>(
            RUNTIME_CLASS(CWorkerThreadDispatcher)->CreateObject());
        const RECT rect = { 0, 0, 20, 20 };
        // A frame that fails to be created has already freed itself.
        sWindow = window->Create(nullptr, "Threads", WS_POPUP | WS_BORDER | WS_SYSMENU, rect)
                      ? window
                      : nullptr;
    }
    ++sUseCount;
}

void CWorkerThreadDispatcher::ReleaseUse()
{
    if (--sUseCount == 0) {
        CWorkerThreadDispatcher* window = sWindow;
        sWindow = nullptr;
        if (window)
            window->SendMessage(kCloseMessage);
    }
}

HWND CWorkerThreadDispatcher::GetWindow()
{
    return sWindow ? sWindow->m_hWnd : nullptr;
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
