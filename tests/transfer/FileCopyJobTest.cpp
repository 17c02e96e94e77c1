#include "CopyTestSupport.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

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
        EXPECT_TRUE(ReadWholeFile(target) == bytes) << c.size;
        EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "source.bin", "target.bin" }));
    }
}

TEST(FileCopyJob, CopiesARangeAcrossThePartsOfASourceBeyondFourGibibytes)
{
    ScratchFolder folder;
    // The middle part is larger than 4 GiB and takes no room; its bytes near the 4 GiB mark
    // and the other parts' bytes must arrive in their places.
    const __int64 bigSize = kFourGiB + 3 * 1024 * 1024;
    const std::string head = PatternBytes(1000, 1), mark = PatternBytes(100, 2), tail = PatternBytes(700, 3);
    CFileCopyJob job;
    for (int i = 0; i < 3; ++i) {
        const std::string path = folder.File("part" + std::to_string(i) + ".mpg");
        ASSERT_TRUE(i == 1 ? MakeSparseFile(path, bigSize, kFourGiB - 50, mark)
                           : WriteWholeFile(path, i == 0 ? head : tail));
        job.GetFromFile().AddFile(path.c_str());
    }
    EXPECT_EQ(std::string(job.GetText()), "Copying part0.mpg and 2 more...");
    const __int64 start = 1000 + kFourGiB - 1024 * 1024;
    const __int64 end = 1000 + bigSize + 300;
    job.SetStart(start);
    job.SetEnd(end);
    const std::string target = folder.File("out\\deeper\\joined.mpg");
    job.SetToFilePath(target.c_str());

    job.Copy(nullptr);

    EXPECT_FALSE(job.HadError());
    EXPECT_EQ(job.GetDone(), end - start);
    const std::string copied = ReadWholeFile(target);
    ASSERT_EQ(static_cast<__int64>(copied.size()), end - start) << "the target folders are made, too";
    EXPECT_EQ(copied.substr(1000 + kFourGiB - 50 - start, 100), mark);
    EXPECT_EQ(copied.substr(copied.size() - 300), tail.substr(0, 300));

    // A copy of the job has the same parts and range; a single file is taken whole.
    CFileCopyJob copy(job);
    copy.SetToFilePath(folder.File("again.mpg").c_str());
    copy.Copy(nullptr);
    EXPECT_TRUE(ReadWholeFile(folder.File("again.mpg")) == copied);
    copy.SetFromFilePath(folder.File("part1.mpg").c_str());
    EXPECT_EQ(copy.GetStart(), 0);
    EXPECT_EQ(copy.GetEnd(), bigSize);
}

TEST(FileCopyJob, ACopyThatFailsOrEndsEarlyLeavesTheOldTargetAndNothingBesideIt)
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

    // Jobs refused before anything is written: no target, a range the source does not
    // reach or that ends before it starts, a missing source, a range beyond the free space.
    CTestCopyJob job;
    int writes = 0;
    job.makeFile = [&writes] { return new CWatchedFile([&writes](UINT) { ++writes; }); };
    job.SetFromFilePath(source.c_str());
    job.Copy(nullptr);
    EXPECT_TRUE(job.HadError()) << "no target";
    job.SetToFilePath(target.c_str());
    const __int64 ranges[][2] = { { 4 * kChunk, 5 * kChunk }, { 8, 2 } };
    for (const auto& range : ranges) {
        job.SetStart(range[0]);
        job.SetEnd(range[1]);
        job.Copy(nullptr);
        EXPECT_TRUE(job.HadError()) << range[0] << " to " << range[1];
    }
    const std::string huge = folder.File("huge.avi");
    ASSERT_TRUE(MakeSparseFile(huge, UDirectoryUtils::GetFreeDiskSpace(folder.Path().c_str()) + (1LL << 30)));
    for (const std::string& from : { folder.File("gone.avi"), huge }) {
        job.SetFromFilePath(from.c_str());
        job.Copy(nullptr);
        EXPECT_TRUE(job.HadError()) << from;
    }
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "clip.avi", "huge.avi" }));
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
