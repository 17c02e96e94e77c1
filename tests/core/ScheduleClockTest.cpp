#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const CTime kNoon(2024, 3, 1, 12, 0, 0);
const LONGLONG kDay = 24 * 60 * 60;

// A clock on a time the test sets, whose timers' ticks the test delivers.
class CDrivenClock : public CScheduleClock {
public:
    CDrivenClock()
    {
        sNow = kNoon;
        SetTimeSource(Now);
    }
    using CScheduleClock::GetStartTimer;
    using CScheduleClock::GetStopTimer;

    static CTime sNow;

private:
    static CTime PASCAL Now() { return sNow; }
};

CTime CDrivenClock::sNow;

class CScheduleRecorder : public CListener {
public:
    std::vector<long> codes;
    const void* lastSender = nullptr;

    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        codes.push_back(code);
        lastSender = sender;
        return true;
    }
};

class ScheduleClock : public ::testing::Test {
protected:
    void SetUp() override { clock.AddListener(&recorder); }

    CDrivenClock clock;
    CScheduleRecorder recorder;
};

const long kChanged = CScheduleClock::kScheduleChanged;
const long kStartNow = CScheduleClock::kStartNow;
const long kStopNow = CScheduleClock::kStopNow;

} // namespace

TEST_F(ScheduleClock, StartDueSoonFiresInsideTheSetterOnlyChangesAreBroadcastAndAFortyDayStopArmsAgain)
{
    for (LONGLONG ahead : {10, -3600, 24}) {
        recorder.codes.clear();
        clock.SetStartTime(kNoon + CTimeSpan(ahead), true);
        EXPECT_EQ(recorder.codes, (std::vector<long>{kStartNow, kChanged})) << ahead << " s ahead";
        EXPECT_FALSE(clock.StartTimerOn());
        EXPECT_FALSE(clock.GetStartTimer().IsActive());
    }
    EXPECT_EQ(recorder.lastSender, static_cast<CScheduleClock*>(&clock));
    recorder.codes.clear();
    clock.SetStartTime(kNoon + CTimeSpan(25), true);
    EXPECT_EQ(recorder.codes, (std::vector<long>{kChanged})) << "25 seconds ahead waits";
    EXPECT_EQ(clock.GetStartTimer().GetPeriod(), 25000u);

    recorder.codes.clear();
    const CTime start = kNoon + CTimeSpan(100);
    clock.SetStartTime(start, true);
    clock.SetStartTime(start, true);
    EXPECT_EQ(recorder.codes, (std::vector<long>{kChanged}));

    clock.SetStartTime(start, false);
    EXPECT_EQ(recorder.codes, (std::vector<long>{kChanged, kChanged}));
    EXPECT_FALSE(clock.GetStartTimer().IsActive()) << "turning a start off stops its timer";
    clock.SetStartTime(start, false);
    EXPECT_EQ(recorder.codes.size(), 2u);

    clock.SetStopTime(start, false);
    EXPECT_EQ(recorder.codes.size(), 3u) << "a new time is a change even while off";
    clock.SetStopTime(start, false);
    EXPECT_EQ(recorder.codes.size(), 3u);

    // A stop forty days ahead arms the longest period and arms again on its tick.
    recorder.codes.clear();
    const CTime farStop = kNoon + CTimeSpan(40 * kDay);
    clock.SetStopTime(farStop, true);
    ASSERT_TRUE(clock.GetStopTimer().IsActive());
    EXPECT_EQ(clock.GetStopTimer().GetPeriod(), 2147483647u);

    CDrivenClock::sNow = kNoon + CTimeSpan(2147484);
    clock.GetStopTimer().OnTimer();
    EXPECT_EQ(recorder.codes, (std::vector<long>{kChanged})) << "the capped tick is not the stop";
    EXPECT_TRUE(clock.StopTimerOn());
    ASSERT_TRUE(clock.GetStopTimer().IsActive());
    EXPECT_EQ(clock.GetStopTimer().GetPeriod(), static_cast<unsigned long>((40 * kDay - 2147484) * 1000));

    CDrivenClock::sNow = farStop;
    clock.GetStopTimer().OnTimer();
    EXPECT_EQ(recorder.codes, (std::vector<long>{kChanged, kStopNow}));
    EXPECT_FALSE(clock.StopTimerOn());
}

TEST_F(ScheduleClock, TextShowsThePendingStartFirstAndEachScheduleArmsItsOwnTimer)
{
    const CTime start = kNoon + CTimeSpan(kDay);
    const CTime stop = kNoon + CTimeSpan(2 * kDay);
    EXPECT_EQ(clock.GetText(), "");
    clock.SetStopTime(stop, true);
    EXPECT_EQ(clock.GetText(), CString("Stop recording at: ") + stop.Format("%c"));
    clock.SetStartTime(start, true);
    EXPECT_EQ(clock.GetText(), CString("Start recording at: ") + start.Format("%c"));

    clock.TriggerStart();
    EXPECT_EQ(clock.GetText(), CString("Stop recording at: ") + stop.Format("%c"));
    clock.SetStopTime(stop, false);
    EXPECT_EQ(clock.GetText(), "");

    // Each schedule arms its own timer and fires once on its tick.
    recorder.codes.clear();
    clock.SetStartTime(kNoon + CTimeSpan(100), true);
    clock.SetStopTime(kNoon + CTimeSpan(50), true);
    EXPECT_TRUE(clock.StartTimerOn());
    EXPECT_EQ(clock.GetStartTimer().GetPeriod(), 100000u);
    EXPECT_EQ(clock.GetStopTimer().GetPeriod(), 50000u);

    CDrivenClock::sNow = kNoon + CTimeSpan(50);
    clock.GetStopTimer().OnTimer();
    EXPECT_EQ(recorder.codes, (std::vector<long>{kChanged, kChanged, kStopNow}));
    EXPECT_FALSE(clock.StopTimerOn());
    EXPECT_FALSE(clock.GetStopTimer().IsActive()) << "a schedule fires once";
    EXPECT_EQ(clock.GetStartTimer().GetPeriod(), 100000u) << "the stop's tick leaves the start alone";
}
