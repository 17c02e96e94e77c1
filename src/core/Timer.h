#pragma once
#include "afxwin.h"
#include "tnwbscut.h"

// A periodic tick for any object, without a window of its own: each tick is the broadcast
// kTimerTick (the timer, null) to the timer's listeners on the user-interface thread.
//
// All timers of the process share the hidden dispatcher window "Timers" (CTimerDispatcher),
// which owns their system timers and exists only while at least one timer is active. A
// timer is given the id 200 when it is the only active one, otherwise one more than the
// largest id among the active timers, so the ids of stopped timers are used again. Timers
// are activated, deactivated, destroyed and ticked on the user-interface thread only, whose
// message loop delivers the ticks.
//
// A listener that lets messages flow during its tick (a modal dialog, a pump) does not
// receive nested ticks of the same timer: the ticks that fall due meanwhile are dropped.
//
// Decisions of this library:
// - When the system refuses the timer (or the dispatcher window cannot be created),
//   Activate returns false and leaves the timer inactive: it holds no use of the dispatcher
//   and is not among the active timers, so no timer is reported active that would never
//   tick.
// - A listener may destroy the timer during its tick (for example by destroying the object
//   that owns it); the tick then ends without touching the timer again.
// - GetPeriod tells the period the timer was activated with, so that an owner that arms a
//   timer for a computed time can be checked without waiting for it.
class AFX_EXT_CLASS CTimer : public CBroadcaster {
public:
    enum { kTimerTick = 40002000 };
    enum { kFirstTimerId = 200 };

    CTimer();
    CTimer(const CTimer&) = delete;
    CTimer& operator=(const CTimer&) = delete;
    ~CTimer() override;

    // False, with no other effect, when the timer is already active or the system refuses it.
    bool Activate(unsigned long periodMs);
    // Harmless when the timer is not active.
    void Deactivate();
    bool IsActive() const { return mActiveTimer != 0; }

    // The id chosen when the timer was last activated.
    unsigned long GetTimerId() const { return mTimerId; }
    // The period of the active timer in milliseconds; 0 while it is inactive.
    unsigned long GetPeriod() const { return mPeriod; }
    // The id the next activation will use.
    static unsigned long GetFreeTimerId();

    // One tick: broadcasts kTimerTick unless a tick of this timer is already being broadcast.
    virtual void OnTimer();

private:
    static void CALLBACK TimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);

    // The active timers, in the order they were activated.
    static CPointerList sTimerList;

    UINT_PTR mActiveTimer;
    unsigned long mTimerId;
    bool mInTick;
    unsigned long mPeriod;
    // Set during a tick: tells the tick that a listener destroyed the timer.
    bool* mDestroyedInTick;
};
