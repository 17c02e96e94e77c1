#include "core/Timer.h"

#include "core/TimerDispatcher.h"

CPointerList CTimer::sTimerList;

CTimer::CTimer()
    : mActiveTimer(0), mTimerId(0), mInTick(false), mPeriod(0), mDestroyedInTick(nullptr)
{
}

CTimer::~CTimer()
{
    Deactivate();
    if (mDestroyedInTick)
        *mDestroyedInTick = true;
}

bool CTimer::Activate(unsigned long periodMs)
{
    if (mActiveTimer)
        return false;
    CTimerDispatcher::AddUse();
    mTimerId = GetFreeTimerId();
    // Without the dispatcher window the system would pick an id of its own, which no timer
    // would recognise.
    HWND window = CTimerDispatcher::GetWindow();
    mActiveTimer = window ? ::SetTimer(window, mTimerId, periodMs, TimerProc) : 0;
    if (!mActiveTimer) {
        CTimerDispatcher::ReleaseUse();
        return false;
    }
    mPeriod = periodMs;
    sTimerList.Add(this);
    return true;
}

void CTimer::Deactivate()
{
    sTimerList.Remove(this);
    if (!mActiveTimer)
        return;
    ::KillTimer(CTimerDispatcher::GetWindow(), mActiveTimer);
    mActiveTimer = 0;
    mPeriod = 0;
    CTimerDispatcher::ReleaseUse();
}

unsigned long CTimer::GetFreeTimerId()
{
    unsigned long candidate = kFirstTimerId;
    for (int i = 0; i < sTimerList.GetItemCount(); ++i) {
        const unsigned long id = static_cast<CTimer*>(sTimerList.GetAt(i))->GetTimerId();
        if (id >= candidate)
            candidate = id + 1;
    }
    return candidate;
}

void CTimer::OnTimer()
{
    if (mInTick)
        return;
    bool destroyed = false;
    mInTick = true;
    mDestroyedInTick = &destroyed;
    Broadcast(kTimerTick, this, nullptr);
    if (destroyed)
        return;
    mDestroyedInTick = nullptr;
    mInTick = false;
}

void CALLBACK CTimer::TimerProc(HWND, UINT, UINT_PTR timerId, DWORD)
{
    for (int i = 0; i < sTimerList.GetItemCount(); ++i) {
        auto* timer = static_cast<CTimer*>(sTimerList.GetAt(i));
        if (timer->GetTimerId() == timerId) {
            timer->OnTimer();
            return;
        }
    }
}
