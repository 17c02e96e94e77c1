#pragma once
#include "core/Timer.h"

// The scheduled start and stop of a recording. Each of the two times is off, or on and
// waiting; when its moment comes the clock broadcasts kStartNow or kStopNow (the clock,
// null) and turns that schedule off, so a schedule fires once until it is set again. Every
// change of a time or of an on flag is broadcast as kScheduleChanged. The two schedules are
// independent: a stop may be set without a start, and a stop before the start fires first.
//
// The clock sleeps on one timer per schedule until shortly before the moment: a time less
// than kLeadSeconds ahead, or already past, fires at once (a start set that close fires
// inside SetStartTime, before its change broadcast). A time further ahead arms the timer for
// the remaining time, at most kLongestPeriodMs (about 24.8 days); at each tick the clock
// looks again and either fires or arms the timer for what is left.
//
// The clock lives on the user-interface thread, driven by its timers.
//
// Decisions of this library:
// - When the system refuses a timer, the schedule stays on (the user's setting is kept,
//   and GetText still shows it) but cannot fire by itself; evaluating it again
//   (ProcessStartTimer, ProcessStopTimer) tries to arm the timer anew. GetStartTimer and
//   GetStopTimer let a derived class see whether a timer is armed.
// - A derived class may replace the source of the current time (SetTimeSource) and reach
//   the two timers, so that a schedule days ahead can be checked without waiting for it:
//   read the armed period, move the time on, and deliver the tick with the timer's OnTimer.
//   Applications keep the system clock.
class AFX_EXT_CLASS CScheduleClock : public CBroadcaster, public CListener {
public:
    enum {
        kScheduleChanged = 86653401,
        kStartNow = 86653402,
        kStopNow = 86653403,
    };
    enum {
        kLeadSeconds = 25,
        kLongestPeriodMs = 2147483647,
    };

    typedef CTime(PASCAL* TimeSource)();

    CScheduleClock();
    CScheduleClock(const CScheduleClock&) = delete;
    CScheduleClock& operator=(const CScheduleClock&) = delete;

    void SetStartTime(const CTime& time, bool on);
    void SetStopTime(const CTime& time, bool on);
    bool StartTimerOn() const { return mStartOn; }
    bool StopTimerOn() const { return mStopOn; }

    // Looks at one schedule again: fires it when it is due, otherwise arms its timer.
    void ProcessStartTimer();
    void ProcessStopTimer();
    // Fires one schedule now, whether it is on or not.
    void TriggerStart();
    void TriggerStop();

    // "Start recording at: <date and time>" while a start is on, else "Stop recording at:
    // <date and time>" while a stop is on, else empty. A pending start hides a pending stop.
    CString GetText() const;

    // Ticks of the two timers re-evaluate their schedules.
    bool ListenToMessage(long code, const void* data1, const void* data2) override;

protected:
    void SetTimeSource(TimeSource source) { mTimeSource = source; }
    CTimer& GetStartTimer() { return mStartTimer; }
    CTimer& GetStopTimer() { return mStopTimer; }

private:
    typedef void (CScheduleClock::*Trigger)();

    // Stores the new time and flag; false when both are as they were.
    static bool ChangeSchedule(bool& on, CTime& time, const CTime& newTime, bool newOn);
    void Process(bool on, const CTime& time, CTimer& timer, Trigger trigger);
    void Fire(bool& on, CTimer& timer, long code);

    bool mStartOn;
    bool mStopOn;
    CTime mStartTime;
    CTime mStopTime;
    // Destroyed before the clock's bases: they stop, and forget the clock, on the way.
    CTimer mStartTimer;
    CTimer mStopTimer;
    TimeSource mTimeSource;
};
