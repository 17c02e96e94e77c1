#pragma once
#include "afxver_.h"

// Tells whether the previous run of the application ended without shutting down properly
// (a crash or a kill). A guard marks "Crash Guard"/"Running" = 1 in the application's
// settings while it lives and 0 when it is destroyed; a run that never destroys its guard
// leaves the 1 behind, and the next run's guard reads it as a crash. The application
// creates one guard early in start-up and destroys it as the last step of a normal
// shutdown; any code may then ask CrashedLastTime, which answers from the first guard
// alive.
//
// Copies take the crashed answer and nothing else: they neither read nor write the mark,
// and never serve CrashedLastTime.
//
// Decision of this library: a mark that holds something other than a number (a damaged
// setting) is not taken as a crash. A false crash report makes an application skip the
// user's settings, which is worse than missing one crash.
class AFX_EXT_CLASS StCrashGuard {
public:
    StCrashGuard();
    StCrashGuard(const StCrashGuard& other);
    StCrashGuard& operator=(const StCrashGuard& other);
    virtual ~StCrashGuard();

    bool Crashed() const { return mCrashed; }
    static bool CrashedLastTime();
    // Whether a guard (not a copy) is alive, so that code which guards a risky step with a
    // guard of its own can leave the application's mark alone: the first guard destroyed
    // writes 0, whoever made the others.
    static bool IsGuarding();

private:
    bool mCrashed;
    bool mOwnsMark;

    static StCrashGuard* sGuard;
};
