#pragma once
#include "tnwmfcut.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

const size_t kChunk = CFileCopyJob::kChunkSize;
const __int64 kFourGiB = 4LL * 1024 * 1024 * 1024;

// Bytes that differ from position to position and from seed to seed, so that a chunk
// copied to the wrong place or twice shows.
std::string PatternBytes(size_t count, unsigned seed);
// A file of the given size that takes no room on disk, with bytes written at an offset.
bool MakeSparseFile(const std::string& path, __int64 size, __int64 offset = 0, const std::string& bytes = "");
std::string ReadAt(const std::string& path, __int64 offset, unsigned long count);
// The names of the files in a folder (ending in a separator), sorted.
std::vector<std::string> FileNames(const std::string& folder);
// The lines (of a record or a library file) that start with the given text, in order.
std::vector<std::string> LinesStartingWith(const std::vector<std::string>& lines, const std::string& start);

// A file that reports each write to a callback before it writes for real.
class CWatchedFile : public CFile {
public:
    explicit CWatchedFile(std::function<void(UINT)> onWrite) : mOnWrite(std::move(onWrite)) {}
    void Write(const void* buffer, UINT count) override;

private:
    std::function<void(UINT)> mOnWrite;
};

// A file whose writes fail in the operating system from the given write on: its handle
// is (re)opened for reading only, as a target on a drive that turned read-only or went
// away, so every later write fails in WriteFile and CFile reports it the usual way.
class CFailingFile : public CFile {
public:
    explicit CFailingFile(int goodWrites) : mGoodWrites(goodWrites) {}
    BOOL Open(LPCSTR path, UINT flags, CFileException* error = nullptr) override;
    void Write(const void* buffer, UINT count) override;

private:
    void ReopenReadOnly();
    int mGoodWrites;
};

// A copy job that writes through a file made by the test.
class CTestCopyJob : public CFileCopyJob {
public:
    std::function<CFile*()> makeFile;

protected:
    CFile* CreateTargetFile() override { return makeFile ? makeFile() : CFileCopyJob::CreateTargetFile(); }
};

// Listens to a copy thread: records, at every start, which files the run is about to
// copy, and counts the runs finished.
class CRunRecorder : public CListener {
public:
    explicit CRunRecorder(CFileCopyThread& thread) : mThread(thread) { mThread.AddListener(this); }
    bool ListenToMessage(long code, const void* sender, const void* extra) override;

    std::vector<std::vector<std::string>> runs;
    int finished = 0;

private:
    CFileCopyThread& mThread;
};

// Answers replace questions (dialogs with the "Apply to All" box, on any thread of the
// process) from a thread of its own, the way a person would: ticks the box when told to,
// then presses Yes or No. Each answer is used once, in order; the answerer stops when all
// are used or the time limit has passed.
class CReplaceAnswerer {
public:
    struct SAnswer {
        bool yes;
        bool applyToAll;
    };
    explicit CReplaceAnswerer(std::vector<SAnswer> answers, unsigned timeoutMs = 10000);
    ~CReplaceAnswerer();
    CReplaceAnswerer(const CReplaceAnswerer&) = delete;
    CReplaceAnswerer& operator=(const CReplaceAnswerer&) = delete;

    // Waits for the answering thread and returns how many questions were answered.
    int Finish();
    // Whether the "Apply to All" box was visible in each question answered so far.
    std::vector<bool> BoxShown() const { return mBoxShown; }
    // The question texts answered so far.
    std::vector<std::string> Questions() const { return mQuestions; }

private:
    void Run(std::vector<SAnswer> answers, unsigned timeoutMs);

    std::thread mThread;
    std::atomic<int> mAnswered{ 0 };
    std::vector<bool> mBoxShown;
    std::vector<std::string> mQuestions;
};
