#include "CopyTestSupport.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

const size_t kChunk = CFileCopyJob::kChunkSize;
const __int64 kFourGiB = 4LL * 1024 * 1024 * 1024;

// A job from one whole file to a target, writing through a file that records the size of
// every write.
struct SRecordedCopy {
    CTestCopyJob job;
    std::vector<UINT> writes;

    SRecordedCopy(const std::string& from, const std::string& to)
    {
        job.SetFromFilePath(from.c_str());
        job.SetToFilePath(to.c_str());
        job.makeFile = [this] { return new CWatchedFile([this](UINT count) { writes.push_back(count); }); };
    }
};

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

        SRecordedCopy copy(source, target);
        copy.job.Copy(nullptr);

        EXPECT_FALSE(copy.job.HadError()) << c.size;
        EXPECT_EQ(copy.writes, c.writes) << c.size;
        EXPECT_EQ(copy.job.GetDone(), static_cast<__int64>(c.size));
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
    EXPECT_EQ(ReadAt(target, kFourGiB - 50 - start, 100), before);
    EXPECT_EQ(ReadAt(target, kFourGiB + 2 * 1024 * 1024 - start, 100), after);
}

TEST(FileCopyJob, ASourceThatShrankFailsAndLeavesTheOldTarget)
{
    ScratchFolder folder;
    const std::string source = folder.File("shrinking.avi");
    const std::string target = folder.File("target.avi");
    ASSERT_TRUE(WriteWholeFile(source, PatternBytes(kChunk + 5000, 4)));
    ASSERT_TRUE(WriteWholeFile(target, "the user's earlier copy"));
    CFileCopyJob job;
    job.SetFromFilePath(source.c_str());
    job.SetToFilePath(target.c_str());
    ASSERT_TRUE(WriteWholeFile(source, PatternBytes(kChunk + 10, 4)));

    job.Copy(nullptr);

    EXPECT_TRUE(job.HadError());
    EXPECT_EQ(job.GetDone(), static_cast<__int64>(kChunk + 10));
    EXPECT_EQ(ReadWholeFile(target), "the user's earlier copy");
    EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "shrinking.avi", "target.avi" }));
}

TEST(FileCopyJob, AFailedWriteIsAnErrorAndLeavesNoPartialFile)
{
    ScratchFolder folder;
    const std::string source = folder.File("clip.avi");
    ASSERT_TRUE(WriteWholeFile(source, PatternBytes(3 * kChunk, 5)));
    for (int goodWrites : { 0, 1, 2 }) {
        const std::string target = folder.File("copy.avi");
        ASSERT_TRUE(WriteWholeFile(target, "kept"));
        CTestCopyJob job;
        job.SetFromFilePath(source.c_str());
        job.SetToFilePath(target.c_str());
        job.makeFile = [goodWrites] { return new CFailingFile(goodWrites); };

        job.Copy(nullptr);

        EXPECT_TRUE(job.HadError()) << goodWrites;
        EXPECT_EQ(ReadWholeFile(target), "kept") << goodWrites;
        EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "clip.avi", "copy.avi" })) << goodWrites;

        // The same failure with no earlier file leaves no file at all.
        ASSERT_TRUE(::DeleteFileA(target.c_str()));
        job.Copy(nullptr);
        EXPECT_TRUE(job.HadError());
        EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "clip.avi" }));
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
    const std::string target = folder.File("copy.avi");
    const std::string source = folder.File("clip.avi");
    ASSERT_TRUE(WriteWholeFile(source, "0123456789"));
    CFileCopyJob nowhere;
    nowhere.SetFromFilePath(source.c_str());
    nowhere.Copy(nullptr);
    EXPECT_TRUE(nowhere.HadError()) << "a job without a target";

    CFileCopyJob missing;
    missing.SetFromFilePath(folder.File("gone.avi").c_str());
    missing.SetToFilePath(target.c_str());
    missing.Copy(nullptr);
    EXPECT_TRUE(missing.HadError());

    CFileCopyJob pastTheEnd;
    pastTheEnd.SetFromFilePath(source.c_str());
    pastTheEnd.SetToFilePath(target.c_str());
    pastTheEnd.SetStart(20);
    pastTheEnd.SetEnd(30);
    pastTheEnd.Copy(nullptr);
    EXPECT_TRUE(pastTheEnd.HadError());

    CFileCopyJob backwards(pastTheEnd);
    backwards.SetStart(8);
    backwards.SetEnd(2);
    backwards.Copy(nullptr);
    EXPECT_TRUE(backwards.HadError());
    EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "clip.avi" }));
}

TEST(FileCopyJob, CancelStopsBetweenChunksAndKeepsTheOldTarget)
{
    ScratchFolder folder;
    const std::string source = folder.File("clip.avi");
    const std::string target = folder.File("copy.avi");
    ASSERT_TRUE(WriteWholeFile(source, PatternBytes(3 * kChunk, 6)));
    ASSERT_TRUE(WriteWholeFile(target, "kept"));
    CTestCopyJob job;
    job.SetFromFilePath(source.c_str());
    job.SetToFilePath(target.c_str());
    int writes = 0;
    job.makeFile = [&] {
        return new CWatchedFile([&](UINT) {
            if (++writes == 1)
                job.Cancel();
        });
    };

    job.Copy(nullptr);

    EXPECT_FALSE(job.HadError());
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(job.GetDone(), static_cast<__int64>(kChunk));
    EXPECT_EQ(ReadWholeFile(target), "kept");
    EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "clip.avi", "copy.avi" }));

    // A new copy starts afresh: the cancel of the last one is forgotten.
    writes = 10;
    job.Copy(nullptr);
    EXPECT_FALSE(job.HadError());
    EXPECT_EQ(UFileUtils::GetFileSize(target.c_str()), static_cast<__int64>(3 * kChunk));
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

    job.SetFileOption(kFileReplaceRename);
    job.Copy(nullptr);
    EXPECT_FALSE(job.HadError());
    EXPECT_EQ(ReadWholeFile(folder.File("clip_3.mp4")), "new content");
    EXPECT_EQ(ReadWholeFile(target), "old");

    for (int skip : { 3, 7 }) {
        job.SetFileOption(static_cast<EFileReplace>(skip));
        job.Copy(nullptr);
        EXPECT_FALSE(job.HadError()) << skip;
        EXPECT_EQ(ReadWholeFile(target), "old") << skip;
    }

    job.SetFileOption(kFileReplaceReplace);
    job.Copy(nullptr);
    EXPECT_FALSE(job.HadError());
    EXPECT_EQ(ReadWholeFile(target), "new content");
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

TEST(FileCopyJob, AskedReplaceWithApplyToAllHoldsUntilReset)
{
    ScratchFolder folder;
    const std::string source = folder.File("new.mp4");
    ASSERT_TRUE(WriteWholeFile(source, "new content"));
    const std::string targets[] = { folder.File("a.mp4"), folder.File("b.mp4"), folder.File("c.mp4") };
    for (const std::string& target : targets)
        ASSERT_TRUE(WriteWholeFile(target, "old"));
    CRepeatPrompter prompter;
    CFileCopyJob job;
    job.SetFromFilePath(source.c_str());
    job.SetFileOption(kFileReplaceAsk);

    {
        CReplaceAnswerer answerer({ { false, false }, { true, true } });
        job.SetToFilePath(targets[0].c_str());
        job.Copy(&prompter);
        EXPECT_EQ(ReadWholeFile(targets[0]), "old") << "No keeps the file";
        EXPECT_FALSE(job.HadError());
        job.Copy(&prompter);
        EXPECT_EQ(ReadWholeFile(targets[0]), "new content");
        EXPECT_EQ(answerer.Finish(), 2);
        EXPECT_EQ(answerer.BoxShown(), (std::vector<bool>{ true, true }));
        ASSERT_EQ(answerer.Questions().size(), 2u);
        EXPECT_EQ(answerer.Questions()[0], targets[0] + " already exists. Would you like to replace the file?");
    }

    // "Apply to All" with Yes: the next existing target is replaced without a question.
    job.SetToFilePath(targets[1].c_str());
    job.Copy(&prompter);
    EXPECT_EQ(ReadWholeFile(targets[1]), "new content");

    // After a reset the user is asked again; "Apply to All" with No then skips silently.
    prompter.Reset();
    {
        CReplaceAnswerer answerer({ { false, true } });
        job.SetToFilePath(targets[2].c_str());
        job.Copy(&prompter);
        EXPECT_EQ(answerer.Finish(), 1);
    }
    EXPECT_EQ(ReadWholeFile(targets[2]), "old");
    ASSERT_TRUE(WriteWholeFile(targets[0], "old"));
    job.SetToFilePath(targets[0].c_str());
    job.Copy(&prompter);
    EXPECT_EQ(ReadWholeFile(targets[0]), "old");
    EXPECT_FALSE(job.HadError());
}

TEST(FileCopyJob, AskedWithoutAPrompterHidesApplyToAll)
{
    ScratchFolder folder;
    const std::string source = folder.File("new.mp4");
    const std::string target = folder.File("clip.mp4");
    ASSERT_TRUE(WriteWholeFile(source, "new content"));
    ASSERT_TRUE(WriteWholeFile(target, "old"));
    CFileCopyJob job;
    job.SetFromFilePath(source.c_str());
    job.SetToFilePath(target.c_str());
    job.SetFileOption(kFileReplaceAsk);

    CReplaceAnswerer answerer({ { true, false } });
    job.Copy(nullptr);
    EXPECT_EQ(answerer.Finish(), 1);
    EXPECT_EQ(answerer.BoxShown(), (std::vector<bool>{ false }));
    EXPECT_EQ(ReadWholeFile(target), "new content");
}

TEST(FileCopyJob, AnAcceptedReplaceKeepsTheOldFileWhenTheCopyFails)
{
    ScratchFolder folder;
    const std::string source = folder.File("clip.avi");
    const std::string target = folder.File("copy.avi");
    ASSERT_TRUE(WriteWholeFile(source, PatternBytes(kChunk + 100, 9)));
    ASSERT_TRUE(WriteWholeFile(target, "the only good copy"));
    CRepeatPrompter prompter;
    CTestCopyJob job;
    job.SetFromFilePath(source.c_str());
    job.SetToFilePath(target.c_str());
    job.SetFileOption(kFileReplaceAsk);
    job.makeFile = [] { return new CFailingFile(1); };

    CReplaceAnswerer answerer({ { true, false } });
    job.Copy(&prompter);
    EXPECT_EQ(answerer.Finish(), 1);
    EXPECT_TRUE(job.HadError());
    EXPECT_EQ(ReadWholeFile(target), "the only good copy");
}
