#include "CopyTestSupport.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

const size_t kChunk = CFileCopyJob::kChunkSize;
const __int64 kFourGiB = 4LL * 1024 * 1024 * 1024;

} // namespace

TEST(FileCopyJob, CopiesInChunksOfTwoMebibytes)
{
    ScratchFolder folder;
    struct SCase {
        size_t size;
        std::vector<UINT> writes;
    };
    const SCase cases[] = {
        { 0, {} },
        { kChunk, { static_cast<UINT>(kChunk) } },
        { kChunk + 1, { static_cast<UINT>(kChunk), 1 } },
    };
    for (const SCase& c : cases) {
        const std::string source = folder.File("source.bin");
        const std::string target = folder.File("target.bin");
        const std::string bytes = PatternBytes(c.size, static_cast<unsigned>(c.size));
        ASSERT_TRUE(WriteWholeFile(source, bytes));
        ASSERT_TRUE(WriteWholeFile(target, "an older, longer file that the copy replaces"));

        CTestCopyJob job;
        job.SetFromFilePath(source.c_str());
        job.SetToFilePath(target.c_str());
        std::vector<UINT> writes;
        job.makeFile = [&] { return new CWatchedFile([&](UINT count) { writes.push_back(count); }); };
        job.Copy(nullptr);

        EXPECT_FALSE(job.HadError()) << c.size;
        EXPECT_EQ(writes, c.writes) << c.size;
        EXPECT_EQ(job.GetDone(), static_cast<__int64>(c.size));
        EXPECT_EQ(UFileUtils::GetFileSize(target.c_str()), static_cast<__int64>(c.size));
        EXPECT_TRUE(ReadWholeFile(target) == bytes) << c.size;
        EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "source.bin", "target.bin" }));
    }
}

TEST(FileCopyJob, CopiesARangeAcrossThePartsOfASource)
{
    ScratchFolder folder;
    const std::string parts[] = { PatternBytes(1000, 1), PatternBytes(kChunk + 4000, 2), PatternBytes(700, 3) };
    CFileCopyJob job;
    std::string whole;
    for (int i = 0; i < 3; ++i) {
        const std::string path = folder.File("part" + std::to_string(i) + ".mpg");
        ASSERT_TRUE(WriteWholeFile(path, parts[i]));
        job.GetFromFile().AddFile(path.c_str());
        whole += parts[i];
    }
    const __int64 start = 600;
    const __int64 end = static_cast<__int64>(whole.size()) - 300;
    job.SetStart(start);
    job.SetEnd(end);
    const std::string target = folder.File("out\\deeper\\joined.mpg");
    job.SetToFilePath(target.c_str());
    EXPECT_EQ(job.GetLength(), end - start);
    EXPECT_EQ(std::string(job.GetText()), "Copying part0.mpg and 2 more...");

    job.Copy(nullptr);

    EXPECT_FALSE(job.HadError());
    EXPECT_EQ(job.GetDone(), end - start);
    EXPECT_TRUE(ReadWholeFile(target) == whole.substr(start, end - start)) << "the target folders are made, too";

    // A copy of the job has the same parts and range.
    CFileCopyJob copy(job);
    copy.SetToFilePath(folder.File("again.mpg").c_str());
    copy.Copy(nullptr);
    EXPECT_FALSE(copy.HadError());
    EXPECT_TRUE(ReadWholeFile(folder.File("again.mpg")) == whole.substr(start, end - start));
}

TEST(FileCopyJob, PositionsBeyondFourGibibytesStayWhole)
{
    ScratchFolder folder;
    const std::string source = folder.File("big.avi");
    const __int64 size = kFourGiB + 3 * 1024 * 1024;
    ASSERT_TRUE(MakeSparseFile(source, size));
    const std::string before = PatternBytes(100, 7);
    const std::string after = PatternBytes(100, 8);
    ASSERT_TRUE(WriteAt(source, kFourGiB - 50, before));
    ASSERT_TRUE(WriteAt(source, kFourGiB + 2 * 1024 * 1024, after));

    CFileCopyJob job;
    job.SetFromFilePath(source.c_str());
    EXPECT_EQ(job.GetEnd(), size);
    EXPECT_EQ(job.GetLength(), size);
    const __int64 start = kFourGiB - 1024 * 1024;
    job.SetStart(start);
    job.SetEnd(kFourGiB + 2 * 1024 * 1024 + 100);
    const std::string target = folder.File("tail.avi");
    job.SetToFilePath(target.c_str());
    job.Copy(nullptr);

    EXPECT_FALSE(job.HadError());
    EXPECT_EQ(UFileUtils::GetFileSize(target.c_str()), 3 * 1024 * 1024 + 100);
    const std::string copied = ReadWholeFile(target);
    EXPECT_EQ(copied.substr(kFourGiB - 50 - start, 100), before);
    EXPECT_EQ(copied.substr(kFourGiB + 2 * 1024 * 1024 - start, 100), after);
}

TEST(FileCopyJob, ACopyThatEndsEarlyLeavesTheOldTargetAndNothingBesideIt)
{
    ScratchFolder folder;
    const std::string source = folder.File("clip.avi");
    const std::string target = folder.File("copy.avi");
    struct SCase {
        const char* what;
        int goodWrites; // the file fails from the write after these; -1: it never fails
        bool cancel;    // the user cancels during the first write
        bool shrink;    // the source is cut to a chunk and ten bytes after the job took its size
        bool error;
        __int64 done;
    };
    const SCase cases[] = {
        { "write fails at once", 0, false, false, true, 0 },
        { "write fails later", 2, false, false, true, 2 * static_cast<__int64>(kChunk) },
        { "source shrank", -1, false, true, true, static_cast<__int64>(kChunk) + 10 },
        { "cancelled", -1, true, false, false, static_cast<__int64>(kChunk) },
    };
    for (const SCase& c : cases) {
        ASSERT_TRUE(WriteWholeFile(source, PatternBytes(3 * kChunk, 5)));
        ASSERT_TRUE(WriteWholeFile(target, "kept"));
        CTestCopyJob job;
        job.SetFromFilePath(source.c_str());
        job.SetToFilePath(target.c_str());
        if (c.shrink) {
            ASSERT_TRUE(WriteWholeFile(source, PatternBytes(kChunk + 10, 5)));
        }
        job.makeFile = [&] {
            if (c.goodWrites >= 0)
                return static_cast<CFile*>(new CFailingFile(c.goodWrites));
            return static_cast<CFile*>(new CWatchedFile([&](UINT) {
                if (c.cancel)
                    job.Cancel();
            }));
        };

        job.Copy(nullptr);

        EXPECT_EQ(job.HadError(), c.error) << c.what;
        EXPECT_EQ(job.GetDone(), c.done) << c.what;
        EXPECT_EQ(ReadWholeFile(target), "kept") << c.what;
        EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "clip.avi", "copy.avi" })) << c.what;
        // With no earlier file, none is left at all; a new copy starts afresh.
        ASSERT_TRUE(::DeleteFileA(target.c_str()));
        job.Copy(nullptr);
        EXPECT_EQ(job.GetDone(), c.done) << c.what << ", again";
        EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "clip.avi" })) << c.what;
    }
}

TEST(FileCopyJob, ARangeLargerThanTheFreeSpaceIsRefusedBeforeWriting)
{
    ScratchFolder folder;
    const std::string source = folder.File("huge.avi");
    const __int64 free = UDirectoryUtils::GetFreeDiskSpace(folder.Path().c_str());
    ASSERT_GT(free, 0);
    ASSERT_TRUE(MakeSparseFile(source, free + 1024LL * 1024 * 1024));
    CTestCopyJob job;
    job.SetFromFilePath(source.c_str());
    const std::string target = folder.File("copy.avi");
    job.SetToFilePath(target.c_str());
    int writes = 0;
    job.makeFile = [&writes] { return new CWatchedFile([&writes](UINT) { ++writes; }); };

    job.Copy(nullptr);

    EXPECT_TRUE(job.HadError());
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "huge.avi" }));
}

TEST(FileCopyJob, UnreadableSourcesAndBadRangesAreErrors)
{
    ScratchFolder folder;
    const std::string source = folder.File("clip.avi");
    ASSERT_TRUE(WriteWholeFile(source, "0123456789"));
    CFileCopyJob job;
    job.SetFromFilePath(source.c_str());
    job.Copy(nullptr);
    EXPECT_TRUE(job.HadError()) << "a job without a target";

    job.SetToFilePath(folder.File("copy.avi").c_str());
    const __int64 ranges[][2] = { { 20, 30 }, { 8, 2 } };
    for (const auto& range : ranges) {
        job.SetStart(range[0]);
        job.SetEnd(range[1]);
        job.Copy(nullptr);
        EXPECT_TRUE(job.HadError()) << range[0] << " to " << range[1];
    }
    CFileCopyJob missing(job);
    missing.SetFromFilePath(folder.File("gone.avi").c_str());
    missing.Copy(nullptr);
    EXPECT_TRUE(missing.HadError());
    EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "clip.avi" }));
}

TEST(FileCopyJob, ReplaceRenameAndSkipOptions)
{
    ScratchFolder folder;
    const std::string source = folder.File("new.mp4");
    const std::string target = folder.File("clip.mp4");
    ASSERT_TRUE(WriteWholeFile(source, "new content"));
    ASSERT_TRUE(WriteWholeFile(target, "old"));
    ASSERT_TRUE(WriteWholeFile(folder.File("clip_2.mp4"), "taken"));
    CFileCopyJob job;
    job.SetFromFilePath(source.c_str());
    job.SetToFilePath(target.c_str());
    // Rename takes the first free name; 3 and any other value skip; replace replaces.
    for (int option : { 2, 3, 7, 1 }) {
        job.SetFileOption(static_cast<EFileReplace>(option));
        job.Copy(nullptr);
        EXPECT_FALSE(job.HadError()) << option;
        EXPECT_EQ(ReadWholeFile(target), option == 1 ? "new content" : "old") << option;
    }
    EXPECT_EQ(ReadWholeFile(folder.File("clip_3.mp4")), "new content");
    EXPECT_EQ(FileNames(folder.Path()),
              (std::vector<std::string>{ "clip.mp4", "clip_2.mp4", "clip_3.mp4", "new.mp4" }));

    // Every option writes a target that does not exist yet.
    for (int option : { 0, 1, 2, 3 }) {
        const std::string fresh = folder.File("fresh" + std::to_string(option) + ".mp4");
        job.SetToFilePath(fresh.c_str());
        job.SetFileOption(static_cast<EFileReplace>(option));
        job.Copy(nullptr);
        EXPECT_EQ(ReadWholeFile(fresh), "new content") << option;
    }
}
