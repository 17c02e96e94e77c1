#include "WindowsProgressAction.h"

#include <windows.h>

CWindowsProgressAction::CWindowsProgressAction() = default;
CWindowsProgressAction::~CWindowsProgressAction() = default;

void CWindowsProgressAction::StartProgress()
{
    CTwSingleLock lock(mLock, true);
    mStarted = true;
    mStart = Now();
    mDetailStart = mStart;
    mLastDetailProgress = 0.0;
}

double CWindowsProgressAction::GetPassedTime()
{
    CTwSingleLock lock(mLock, true);
    return mStarted ? SecondsSince(mStart) : 0.0;
}

double CWindowsProgressAction::GetEstimateTime()
{
    const double passed = GetPassedTime();
    return EstimateRemaining(passed, GetProgress());
}

double CWindowsProgressAction::GetDetailPassedTime()
{
    double progress;
    return ObserveDetail(progress);
}

double CWindowsProgressAction::GetDetailEstimateTime()
{
    double progress;
    const double passed = ObserveDetail(progress);
    return EstimateRemaining(passed, progress);
}

void CWindowsProgressAction::StartDetailProgress()
{
    CTwSingleLock lock(mLock, true);
    mDetailStart = Now();
    mLastDetailProgress = 0.0;
}

double CWindowsProgressAction::EstimateRemaining(double passed, double progress)
{
    if (!(progress > 0.0) || progress >= 1.0)
        return 0.0;
    return passed * (1.0 - progress) / progress;
}

double CWindowsProgressAction::ObserveDetail(double& progress)
{
    // Asked before taking the lock: a derived action may lock its own state to answer.
    CProgressAction* child = GetChildAction();
    progress = child ? child->GetProgress() : GetDetailProgress();
    CTwSingleLock lock(mLock, true);
    if (!mStarted)
        return 0.0;
    if (progress < mLastDetailProgress)
        mDetailStart = Now();
    mLastDetailProgress = progress;
    return SecondsSince(mDetailStart);
}

double CWindowsProgressAction::SecondsSince(long long start) const
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(Now() - start) / static_cast<double>(frequency.QuadPart);
}

long long CWindowsProgressAction::Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}
