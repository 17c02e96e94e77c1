#include "core/ScheduleClock.h"

CScheduleClock::CScheduleClock()
    : mStartOn(false), mStopOn(false), mTimeSource(CTime::GetCurrentTime)
{
    mStartTimer.AddListener(this);
    mStopTimer.AddListener(this);
}

void CScheduleClock::SetStartTime(const CTime& time, bool on)
{
    if (!ChangeSchedule(mStartOn, mStartTime, time, on))
        return;
    ProcessStartTimer();
    Broadcast(kScheduleChanged, this, nullptr);
}

void CScheduleClock::SetStopTime(const CTime& time, bool on)
{
    if (!ChangeSchedule(mStopOn, mStopTime, time, on))
        return;
    ProcessStopTimer();
    Broadcast(kScheduleChanged, this, nullptr);
}

bool CScheduleClock::ChangeSchedule(bool& on, CTime& time, const CTime& newTime, bool newOn)
{
    if (on == newOn && time == newTime)
        return false;
    on = newOn;
    time = newTime;
    return true;
}

void CScheduleClock::ProcessStartTimer()
{
    Process(mStartOn, mStartTime, mStartTimer, &CScheduleClock::TriggerStart);
}

void CScheduleClock::ProcessStopTimer()
{
    Process(mStopOn, mStopTime, mStopTimer, &CScheduleClock::TriggerStop);
}

void CScheduleClock::Process(bool on, const CTime& time, CTimer& timer, Trigger trigger)
{
    timer.Deactivate();
    if (!on)
        return;
    const CTime now = mTimeSource();
    if (time < now + CTimeSpan(kLeadSeconds)) {
        (this->*trigger)();
        return;
    }
    // Compared in seconds first: a time centuries ahead would overflow in milliseconds.
    const LONGLONG remainingSeconds = (time - now).GetTotalSeconds();
    const unsigned long periodMs = remainingSeconds > kLongestPeriodMs / 1000
                                       ? static_cast<unsigned long>(kLongestPeriodMs)
                                       : static_cast<unsigned long>(remainingSeconds * 1000);
    timer.Activate(periodMs);
}

void CScheduleClock::TriggerStart()
{
    Fire(mStartOn, mStartTimer, kStartNow);
}

void CScheduleClock::TriggerStop()
{
    Fire(mStopOn, mStopTimer, kStopNow);
}

void CScheduleClock::Fire(bool& on, CTimer& timer, long code)
{
    timer.Deactivate();
    on = false;
    Broadcast(code, this, nullptr);
}

CString CScheduleClock::GetText() const
{
    if (mStartOn)
        return mStartTime.Format("Start recording at: %c");
    if (mStopOn)
        return mStopTime.Format("Stop recording at: %c");
    return CString();
}

bool CScheduleClock::ListenToMessage(long code, const void* data1, const void* data2)
{
    if (code != CTimer::kTimerTick)
        return CListener::ListenToMessage(code, data1, data2);
    if (data1 == &mStartTimer)
        ProcessStartTimer();
    else if (data1 == &mStopTimer)
        ProcessStopTimer();
    return true;
}
