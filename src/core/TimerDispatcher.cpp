#include "core/TimerDispatcher.h"

IMPLEMENT_DYNCREATE(CTimerDispatcher, CFrameWnd)

CDispatcherHolder CTimerDispatcher::sHolder(RUNTIME_CLASS(CTimerDispatcher), "Timers");

BEGIN_MESSAGE_MAP(CTimerDispatcher, CFrameWnd)
    ON_MESSAGE(kCloseMessage, OnClose)
END_MESSAGE_MAP()

void CTimerDispatcher::AddUse()
{
    sHolder.AddUse();
}

void CTimerDispatcher::ReleaseUse()
{
    sHolder.ReleaseUse();
}

HWND CTimerDispatcher::GetWindow()
{
    return sHolder.GetWindow();
}

LRESULT CTimerDispatcher::OnClose(WPARAM, LPARAM)
{
    DestroyWindow();
    return 0;
}
