#include "core/CrashGuard.h"

#include "tnwwndut.h"

StCrashGuard* StCrashGuard::sGuard = nullptr;

namespace {

CRegistry RunningMark()
{
    return CRegistry("Crash Guard", "Running", nullptr);
}

} // namespace

StCrashGuard::StCrashGuard() : mCrashed(false), mOwnsMark(true)
{
    CRegistry mark = RunningMark();
    mCrashed = mark.GetValue(0) != 0;
    mark.SetValue(1);
    if (!sGuard)
        sGuard = this;
}

StCrashGuard::StCrashGuard(const StCrashGuard& other) : mCrashed(other.mCrashed), mOwnsMark(false) {}

StCrashGuard& StCrashGuard::operator=(const StCrashGuard& other)
{
    mCrashed = other.mCrashed;
    return *this;
}

StCrashGuard::~StCrashGuard()
{
    if (mOwnsMark)
        RunningMark().SetValue(0);
    if (sGuard == this)
        sGuard = nullptr;
}

bool StCrashGuard::CrashedLastTime()
{
    return sGuard && sGuard->Crashed();
}

bool StCrashGuard::IsGuarding()
{
    return sGuard != nullptr;
}
