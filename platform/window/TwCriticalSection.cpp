#include "TwCriticalSection.h"

CTwCriticalSection::CTwCriticalSection()
{
    InitializeCriticalSection(&mSection);
}

CTwCriticalSection::~CTwCriticalSection()
{
    DeleteCriticalSection(&mSection);
}

void CTwCriticalSection::Lock()
{
    EnterCriticalSection(&mSection);
}

void CTwCriticalSection::Unlock()
{
    LeaveCriticalSection(&mSection);
}

CTwSingleLock::CTwSingleLock(CTwCriticalSection& section, bool lockNow) : mSection(section)
{
    if (lockNow)
        Lock();
}

CTwSingleLock::~CTwSingleLock()
{
    if (mLocked)
        Unlock();
}

void CTwSingleLock::Lock()
{
    if (!mLocked) {
        mSection.Lock();
        mLocked = true;
    }
}

void CTwSingleLock::Unlock()
{
    if (mLocked) {
        mSection.Unlock();
        mLocked = false;
    }
}
