// A warm 128 MiB file copied by CFileCopyJob, against a bare ReadFile/WriteFile loop with
// the same 2 MiB buffer and against CopyFileExA, in the same run. Goal: the job at least
// 0.95 of the bare loop's rate.
//
// Each round copies once with each of the three, in an order that turns from round to
// round. A round's ratio compares copies made moments apart, so the ratio that counts is
// the median of the rounds' ratios; the rates shown are the medians of the rounds. After
// every copy, outside the clock, the copy is flushed to disk and removed: the system writes
// a copy's bytes back to disk later, and that write-back must fall on no later copy's
// time. The job's copy is checked byte for byte.
//
// The long run copies more rounds and then a whole source beyond 4 GiB (sparse, so making
// it costs nothing) by the job and by the bare loop, and checks that the job's copy is
// whole at both sides of the 4 GiB mark.
//
//   bench_copy [--long]     default: 15 rounds of 128 MiB; long: 31 rounds, then 4 GiB
#include "tnwmfcut.h"

#include "BenchRun.h"
#include "Stopwatch.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const __int64 kWarmSize = 128LL * 1024 * 1024;
const __int64 kBigSize = 4LL * 1024 * 1024 * 1024 + 3 * 1024 * 1024 + 17;
const __int64 kMarks[] = { 0, 4LL * 1024 * 1024 * 1024 - 8, kBigSize - 8 };
const char kMark[] = "tnw-mark";

class StHandle {
public:
    explicit StHandle(HANDLE handle) : mHandle(handle) {}
    ~StHandle()
    {
        if (IsOpen())
            ::CloseHandle(mHandle);
    }
    StHandle(const StHandle&) = delete;
    StHandle& operator=(const StHandle&) = delete;
    bool IsOpen() const { return mHandle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return mHandle; }

private:
    HANDLE mHandle;
};

bool WriteAt(HANDLE file, __int64 offset, const void* bytes, DWORD count)
{
    LARGE_INTEGER position;
    position.QuadPart = offset;
    DWORD written = 0;
    return ::SetFilePointerEx(file, position, nullptr, FILE_BEGIN) &&
           ::WriteFile(file, bytes, count, &written, nullptr) && written == count;
}

// Bytes that differ from chunk to chunk, so that a chunk copied twice or to the wrong
// place shows.
bool MakeWarmSource(const std::string& path)
{
    StHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::vector<unsigned> block(CFileCopyJob::kChunkSize / sizeof(unsigned));
    bool ok = file.IsOpen();
    unsigned state = 12345;
    for (__int64 done = 0; ok && done < kWarmSize; done += CFileCopyJob::kChunkSize) {
        for (unsigned& word : block)
            word = state = state * 1103515245u + 12345u;
        ok = WriteAt(file.Get(), done, block.data(), CFileCopyJob::kChunkSize);
    }
    // In the system's cache and on disk: every copy reads it warm, none pays for writing it.
    return ok && ::FlushFileBuffers(file.Get());
}

bool MakeBigSource(const std::string& path)
{
    StHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER end;
    end.QuadPart = kBigSize;
    bool ok = file.IsOpen() && ::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file.Get());
    for (__int64 mark : kMarks)
        ok = ok && WriteAt(file.Get(), mark, kMark, 8);
    return ok;
}

bool HasMarks(const std::string& path)
{
    StHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    bool ok = file.IsOpen() && UFileUtils::GetFileSize(path.c_str()) == kBigSize;
    for (__int64 mark : kMarks) {
        char bytes[8] = {};
        LARGE_INTEGER position;
        position.QuadPart = mark;
        DWORD read = 0;
        ok = ok && ::SetFilePointerEx(file.Get(), position, nullptr, FILE_BEGIN) &&
             ::ReadFile(file.Get(), bytes, 8, &read, nullptr) && read == 8 && std::string(bytes, 8) == kMark;
    }
    return ok;
}

bool SameBytes(const std::string& path1, const std::string& path2)
{
    StHandle file1(::CreateFileA(path1.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    StHandle file2(::CreateFileA(path2.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file1.IsOpen() || !file2.IsOpen())
        return false;
    std::vector<char> bytes1(CFileCopyJob::kChunkSize), bytes2(CFileCopyJob::kChunkSize);
    for (;;) {
        DWORD read1 = 0, read2 = 0;
        if (!::ReadFile(file1.Get(), bytes1.data(), CFileCopyJob::kChunkSize, &read1, nullptr) ||
            !::ReadFile(file2.Get(), bytes2.data(), CFileCopyJob::kChunkSize, &read2, nullptr) || read1 != read2 ||
            !std::equal(bytes1.begin(), bytes1.begin() + read1, bytes2.begin()))
            return false;
        if (read1 == 0)
            return true;
    }
}

// Outside the clock: the copy's bytes go to disk now rather than during a later copy.
bool FlushToDisk(const std::string& path)
{
    StHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    return file.IsOpen() && ::FlushFileBuffers(file.Get());
}

// What an application would write without the job: one buffer, read and write until the
// end, no temporary file, no checks. The target is new (each copy is removed), and it is
// made with CREATE_NEW: Wine makes a CREATE_ALWAYS file by cutting it to nothing, and the
// file system pushes a file that was cut to disk as it is closed, which would slow the
// baseline down.
bool BareCopy(const std::string& from, const std::string& to)
{
    StHandle in(::CreateFileA(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    StHandle out(::CreateFileA(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    std::unique_ptr<char[]> buffer(new char[CFileCopyJob::kChunkSize]);
    bool ok = in.IsOpen() && out.IsOpen();
    DWORD read = 0;
    while (ok && ::ReadFile(in.Get(), buffer.get(), CFileCopyJob::kChunkSize, &read, nullptr) && read > 0) {
        DWORD written = 0;
        ok = ::WriteFile(out.Get(), buffer.get(), read, &written, nullptr) && written == read;
    }
    return ok;
}

bool JobCopy(const std::string& from, const std::string& to)
{
    CFileCopyJob job;
    job.SetFromFilePath(from.c_str());
    job.SetToFilePath(to.c_str());
    job.Copy(nullptr);
    return !job.HadError();
}

bool SystemCopy(const std::string& from, const std::string& to)
{
    return ::CopyFileExA(from.c_str(), to.c_str(), nullptr, nullptr, nullptr, 0) != FALSE;
}

struct SCopier {
    const char* name;
    std::function<bool(const std::string&, const std::string&)> copy;
    std::vector<double> seconds;
    bool ok = true;
};

// Seconds of one timed copy; the copy is flushed and removed afterwards, untimed.
double TimeCopy(SCopier& copier, const std::string& source, const std::string& target, bool check)
{
    CStopwatch watch;
    const bool copied = copier.copy(source, target);
    const double seconds = watch.Seconds();
    copier.ok = copier.ok && copied && FlushToDisk(target) &&
                UFileUtils::GetFileSize(target.c_str()) == UFileUtils::GetFileSize(source.c_str()) &&
                (!check || SameBytes(source, target));
    ::DeleteFileA(target.c_str());
    return seconds;
}

void PrintRate(const SCopier& copier, double mebibytes, double seconds)
{
    std::printf("  %-14s %s %7.0f MiB/s\n", copier.name, copier.ok ? "whole " : "FAILED", mebibytes / seconds);
}

// A source beyond 4 GiB through the job and the bare loop, once each.
bool CopyBeyondFourGibibytes(const std::string& folder, SCopier& job, SCopier& bare)
{
    const std::string source = folder + "big.avi";
    const std::string target = folder + "big copy.avi";
    if (UDirectoryUtils::GetFreeDiskSpace(folder.c_str()) < kBigSize + (1LL << 30) || !MakeBigSource(source)) {
        std::printf("beyond 4 GiB: needs %lld bytes free and a margin\n", kBigSize);
        ::DeleteFileA(source.c_str());
        return false;
    }
    const double mebibytes = kBigSize / 1048576.0;
    std::printf("beyond 4 GiB: a sparse source of %.0f MiB, once each\n", mebibytes);
    CStopwatch watch;
    const bool jobCopied = job.copy(source, target);
    const double jobSeconds = watch.Seconds();
    const bool whole = jobCopied && HasMarks(target);
    ::DeleteFileA(target.c_str());
    watch.Restart();
    const bool bareCopied = bare.copy(source, target);
    const double bareSeconds = watch.Seconds();
    ::DeleteFileA(target.c_str());
    ::DeleteFileA(source.c_str());
    std::printf("  %-14s %s %7.0f MiB/s\n", job.name, whole ? "whole " : "NOT WHOLE", mebibytes / jobSeconds);
    std::printf("  %-14s %s %7.0f MiB/s\n", bare.name, bareCopied ? "copied" : "FAILED", mebibytes / bareSeconds);
    return whole;
}

// The median of the rounds' ratios of baseline time to measured time.
double RoundRatio(const SCopier& baseline, const SCopier& measured)
{
    std::vector<double> ratios;
    for (size_t round = 0; round < measured.seconds.size(); ++round)
        ratios.push_back(baseline.seconds[round] / measured.seconds[round]);
    return CBenchRun::Median(ratios);
}

} // namespace

int main(int argc, char** argv)
{
    const CBenchRun run(argc, argv);
    const int rounds = run.IsLong() ? 31 : 15;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "tnwcopybench" + std::to_string(::GetCurrentProcessId()) + "\\";
    const std::string source = folder + "source.avi";
    const std::string target = folder + "copy.avi";
    UDirectoryUtils::EstablishPath(source.c_str());
    if (UDirectoryUtils::GetFreeDiskSpace(folder.c_str()) < 4 * kWarmSize || !MakeWarmSource(source)) {
        std::printf("copy bench: cannot make a source of %lld bytes in %s\n", kWarmSize, folder.c_str());
        return 1;
    }

    SCopier copiers[] = { { "CFileCopyJob", JobCopy }, { "bare loop", BareCopy }, { "CopyFileExA", SystemCopy } };
    const int count = sizeof copiers / sizeof copiers[0];
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < count; ++i) {
            SCopier& copier = copiers[(round + i) % count];
            // The job's bytes are compared in the first and the last round.
            const bool check = &copier == &copiers[0] && (round == 0 || round == rounds - 1);
            copier.seconds.push_back(TimeCopy(copier, source, target, check));
        }
    }
    ::DeleteFileA(source.c_str());

    const double mebibytes = kWarmSize / 1048576.0;
    std::printf("copy: a warm source of %.0f MiB, median of %d rounds\n", mebibytes, rounds);
    for (const SCopier& copier : copiers)
        PrintRate(copier, mebibytes, CBenchRun::Median(copier.seconds));
    bool ok = copiers[0].ok;
    if (run.IsLong())
        ok = CopyBeyondFourGibibytes(folder, copiers[0], copiers[1]) && ok;
    UDirectoryUtils::RemoveFolder(folder.c_str());

    std::printf("CFileCopyJob / CopyFileExA rate: %.2f\n", RoundRatio(copiers[2], copiers[0]));
    CBenchRun::PrintRatio("CFileCopyJob / bare loop rate", RoundRatio(copiers[1], copiers[0]), 0.95);
    return ok ? 0 : 1;
}
