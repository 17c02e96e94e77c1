#include "transfer/FileRevolvingCopier.h"

#include <memory>

CFileRevolvingCopier::CFileRevolvingCopier()
{
    mThread.AddListener(this);
}

CFileRevolvingCopier::~CFileRevolvingCopier()
{
    Cancel();
    mThread.RemoveListener(this);
}

void CFileRevolvingCopier::AddFile(const char* from, const char* to)
{
    CTwSingleLock lock(mPendingLock, true);
    AddLookup(from, to);
    StartNextPending();
}

void CFileRevolvingCopier::Cancel()
{
    {
        CTwSingleLock lock(mPendingLock, true);
        RemoveAllLookups();
    }
    mThread.Cancel();
    while (mThread.IsRunning()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_SENDMESSAGE);
        MSG message;
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool CFileRevolvingCopier::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code != CWorkerThread::kThreadFinished || sender != &mThread)
        return CListener::ListenToMessage(code, sender, extra);
    CTwSingleLock lock(mPendingLock, true);
    StartNextPending();
    return true;
}

void CFileRevolvingCopier::StartNextPending()
{
    if (mThread.IsRunning() || GetLookupCount() == 0)
        return;
    std::unique_ptr<CTextPair> next(RemoveLookup(0));
    mThread.Reset();
    mThread.AddJob(next->GetName(), next->GetValue(), kFileReplaceAsk);
    mThread.Execute(0);
}
