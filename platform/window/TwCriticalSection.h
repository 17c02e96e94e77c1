#pragma once
#include "WindowExport.h"

#include <windows.h>

// A re-entrant lock shared by a worker thread and the user-interface thread.
class TNWWND_CLASS CTwCriticalSection {
public:
    CTwCriticalSection();
    ~CTwCriticalSection();
    CTwCriticalSection(const CTwCriticalSection&) = delete;
    CTwCriticalSection& operator=(const CTwCriticalSection&) = delete;

    void Lock();
    void Unlock();

private:
    CRITICAL_SECTION mSection;
};

// Holds a CTwCriticalSection for a scope: locks it on construction when asked to, and
// unlocks it on destruction if it is still held.
class TNWWND_CLASS CTwSingleLock {
public:
    CTwSingleLock(CTwCriticalSection& section, bool lockNow);
    ~CTwSingleLock();
    CTwSingleLock(const CTwSingleLock&) = delete;
    CTwSingleLock& operator=(const CTwSingleLock&) = delete;

    void Lock();
    void Unlock();
    bool IsLocked() const { return mLocked; }

private:
    CTwCriticalSection& mSection;
    bool mLocked = false;
};
