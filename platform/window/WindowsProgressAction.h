#pragma once
#include "ProgressAction.h"
#include "TwCriticalSection.h"
#include "WindowExport.h"

// A progress action that also keeps time: seconds passed since the job started and an
// estimate of the seconds left, for the job and for its current detail step. Worker
// threads derive from it; progress displays poll it.
//
// Virtual operations in slot order: destructor, GetText, GetProgress, GetChildAction,
// GetDetailText, GetDetailProgress (all from CProgressAction), StartProgress,
// GetPassedTime, GetEstimateTime, GetDetailPassedTime, GetDetailEstimateTime.
//
// Timing:
// - StartProgress starts both clocks (again, when the action is run once more). Before it,
//   every time getter gives 0.
// - The estimate assumes the rest goes as fast as what is done: passed x (1 - p) / p for
//   a progress p. At progress 0 (or less, or not a number) there is nothing to estimate
//   from and at 1 (or more) nothing is left: both give 0.
// - The detail step's progress is that of the child action when there is one, else
//   GetDetailProgress. A new step begins when that progress goes back (the next file
//   starts at 0 after the last one ended near 1): the detail clock restarts when a detail
//   getter sees it fall, so a step's start is known at the latest one poll late. An
//   action that knows better calls StartDetailProgress when the step starts.
// The clocks are guarded, so the worker thread may start them while the user-interface
// thread polls.
class TNWWND_CLASS CWindowsProgressAction : public CProgressAction {
public:
    CWindowsProgressAction();
    ~CWindowsProgressAction() override;

    virtual void StartProgress();
    virtual double GetPassedTime();
    virtual double GetEstimateTime();
    virtual double GetDetailPassedTime();
    virtual double GetDetailEstimateTime();

    void StartDetailProgress();

    // Seconds left when progress was made in passed seconds, by the rule above.
    static double EstimateRemaining(double passed, double progress);

private:
    // The detail step's progress and passed seconds, restarting its clock on a new step.
    double ObserveDetail(double& progress);
    double SecondsSince(long long start) const;
    static long long Now();

    CTwCriticalSection mLock;
    bool mStarted = false;
    long long mStart = 0;
    long long mDetailStart = 0;
    double mLastDetailProgress = 0.0;
};
