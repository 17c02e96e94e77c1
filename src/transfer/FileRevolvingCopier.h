#pragma once
#include "tnwbscut.h"
#include "tnwwndut.h"
#include "transfer/FileCopyThread.h"

// Copies files handed over one at a time, in the order they came, without making the
// caller wait: a file handed over while a copy runs waits in the pending list (the lookup
// list: source path as name, target path as value) and is copied when the copy before it
// has finished. Each file is one run of the copy thread, asking before it replaces an
// existing target.
//
// The pending list is locked, because AddFile may come from any thread while the finish
// notice arrives on the user-interface thread. A run started by AddFile broadcasts its
// start on the caller's thread, so listeners of the copy thread expect AddFile from the
// user-interface thread.
//
// Decisions of this library:
// - The finish notice of a copy starts the next pending file, and a file handed over
//   while nothing runs is started at once. Each run begins by dropping the jobs of the run
//   before, so a finished file is never copied again.
// - Cancel drops the pending files, stops the running copy before its next chunk and
//   waits for its end. The end is completed on the user-interface thread by a message
//   that the copying thread sends, so the wait lets sent messages in (and nothing else):
//   Cancel returns on the user-interface thread too. A replace question that is open at
//   that moment is waited for.
// - The destructor cancels first, so the copy thread never outlives its object.
class AFX_EXT_CLASS CFileRevolvingCopier : public CLookupList, public CListener {
public:
    CFileRevolvingCopier();
    ~CFileRevolvingCopier() override;

    void AddFile(const char* from, const char* to);
    void Cancel();
    bool IsCopying() const { return mThread.IsRunning(); }
    // The copy thread, for a progress dialog to watch.
    CFileCopyThread& GetCopyThread() { return mThread; }

    bool ListenToMessage(long code, const void* sender, const void* extra) override;

private:
    // Starts the first pending file when no copy runs; the caller holds the lock.
    void StartNextPending();

    CTwCriticalSection mPendingLock;
    CFileCopyThread mThread;
};
