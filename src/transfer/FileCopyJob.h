#pragma once
#include "afxwin.h"
#include "tnwwndut.h"
#include "prompts/FileReplace.h"

#include <atomic>
#include <memory>

class CRepeatPrompter;

// Copies one byte range of a source (a CMultiFile: one file, or the parts of a split
// recording read as one stream) to one target file, in chunks of kChunkSize bytes, and can
// be cancelled between chunks from another thread. Positions and lengths are 64-bit
// throughout, so sources beyond 4 GiB copy whole.
//
// Copying is where users lose data, so a copy never leaves something under the target's
// name that only looks complete:
// - The bytes go to a temporary file in the target's folder ("tnw*.tmp"), which takes the
//   target's name only when every byte of the range has been written and the file has
//   been closed. A cancelled, failed or short copy deletes the temporary file and leaves
//   the target folder as it was.
// - An existing target that is to be replaced stays untouched until that moment: the
//   replace question is asked before copying, but the old file is only swapped for the
//   complete new one. A name that was free when the copy started and has been taken since
//   is not overwritten: that copy fails.
// - Every failure sets the error flag: no target path, no room on the target's volume for the job's length
//   (checked before anything is written), a source that cannot be opened or does not reach
//   the start, a target that cannot be created, a write that fails (a full disk, a vanished
//   drive), a source that ends early, and a final rename that fails. Only a copy skipped by
//   the replace decision and a cancelled copy end without an error and without a file.
//
// The replace option is asked through the prompter when it is given one, so that an
// "Apply to All" answer holds for the prompter's whole series; without one a single
// question is asked with no "Apply to All".
class AFX_EXT_CLASS CFileCopyJob {
public:
    static const unsigned long kChunkSize = 2097152;

    CFileCopyJob();
    CFileCopyJob(const CFileCopyJob& other);
    CFileCopyJob& operator=(const CFileCopyJob& other);
    virtual ~CFileCopyJob();

    // The source, for callers that set up a source of several parts themselves.
    CMultiFile& GetFromFile() { return mSource; }
    // One file as the source, the whole of it: start 0, end its size now.
    void SetFromFilePath(const char* path);
    void SetToFilePath(const char* path);
    const CString& GetToFilePath() const { return mTargetPath; }
    void SetFileOption(EFileReplace option) { mReplaceOption = option; }
    EFileReplace GetFileOption() const { return mReplaceOption; }

    // The range copied: from start up to end (exclusive).
    void SetStart(__int64 start) { mStart = start; }
    __int64 GetStart() const { return mStart; }
    void SetEnd(__int64 end) { mEnd = end; }
    __int64 GetEnd() const { return mEnd; }
    __int64 GetLength() const { return mEnd - mStart; }
    // Bytes of the range copied so far by the running or the last copy.
    __int64 GetDone() const { return mDone; }

    // Runs the copy on the calling thread. The prompter may be null.
    void Copy(CRepeatPrompter* prompter);
    // Stops a running copy before its next chunk; safe from any thread.
    void Cancel() { mCancelled = true; }
    bool HadError() const { return mError; }

    virtual CString GetText();

protected:
    // The file object that the copy writes through, not yet open. A derived job may hand
    // out a file of its own kind (one that throttles or verifies, or one that fails for a
    // test); the job opens, writes, closes and deletes it.
    virtual CFile* CreateTargetFile();

private:
    enum EOutcome { kCopied, kCancelled, kFailed };

    CString DecideTargetPath(CRepeatPrompter* prompter) const;
    bool HasRoomFor(const CString& path) const;
    EOutcome CopyRange(const CString& path, bool replacing);
    EOutcome WriteRange(const CString& temporaryPath);
    static CString MakeTemporaryFile(const CString& path);

    CMultiFile mSource;
    __int64 mStart = 0;
    __int64 mEnd = 0;
    CString mTargetPath;
    // Written by the user-interface thread, read between chunks by the copying one.
    std::atomic<bool> mCancelled{ false };
    bool mError = false;
    EFileReplace mReplaceOption = kFileReplaceReplace;
    // Written by the copying thread, read by progress displays.
    std::atomic<__int64> mDone{ 0 };
};
