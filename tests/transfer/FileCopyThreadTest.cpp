#include "CopyTestSupport.h"
#include "MessagePump.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Runs the thread and dispatches messages until it has finished.
bool RunToEnd(CFileCopyThread& thread, CRunRecorder& recorder, unsigned timeoutMs = 10000)
{
    const int before = recorder.finished;
    return thread.Execute(0) && PumpMessagesUntil([&] { return recorder.finished > before; }, timeoutMs);
}

// The thread's text and progress as the copy sees them while it writes.
std::string Sample(CFileCopyThread& thread)
{
    char progress[16];
    std::snprintf(progress, sizeof progress, " %.3f", thread.GetProgress());
    return thread.GetText() + std::string(progress);
}

} // namespace

TEST(FileCopyThread, CopiesInOrderWithTextAndByteWeightedProgressPastFailedJobs)
{
    ScratchFolder folder;
    const std::string sizes[] = { PatternBytes(2 * kChunk, 1), std::string(), PatternBytes(kChunk, 3) };
    const char* names[] = { "first.avi", "empty.avi", "last.avi" };
    CFileCopyThread thread;
    CRunRecorder recorder(thread);
    EXPECT_EQ(thread.GetProgress(), 0.0) << "no jobs";
    std::vector<std::string> samples;
    for (int i = 0; i < 3; ++i) {
        const std::string source = folder.File(names[i]);
        ASSERT_TRUE(WriteWholeFile(source, sizes[i]));
        auto* job = new CTestCopyJob;
        job->SetFromFilePath(source.c_str());
        job->SetToFilePath(folder.File("out\\" + std::string(names[i])).c_str());
        job->makeFile = [&] { return new CWatchedFile([&](UINT) { samples.push_back(Sample(thread)); }); };
        thread.AddJob(job);
        // A job that fails does not stop the run.
        if (i == 0)
            thread.AddJob(folder.File("missing.avi").c_str(), folder.File("out\\missing.avi").c_str(),
                          kFileReplaceReplace);
    }
    EXPECT_EQ(Sample(thread), " 0.000") << "before the run";

    ASSERT_TRUE(RunToEnd(thread, recorder));

    // The empty and the failed job count as passed.
    EXPECT_EQ(samples, (std::vector<std::string>{ "Copying first.avi... 0.000", "Copying first.avi... 0.333",
                                                  "Copying last.avi... 0.667" }));
    EXPECT_EQ(Sample(thread), " 1.000");
    ASSERT_EQ(thread.GetJobCount(), 4) << "the jobs stay for another run until Reset";
    std::vector<bool> errors;
    for (int i = 0; i < 4; ++i)
        errors.push_back(thread.GetJob(i)->HadError());
    EXPECT_EQ(errors, (std::vector<bool>{ false, true, false, false }));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(ReadWholeFile(folder.File("out\\" + std::string(names[i]))) == sizes[i]) << i;

    thread.Reset();
    EXPECT_EQ(thread.GetJobCount(), 0);
    EXPECT_EQ(thread.GetProgress(), 0.0);
    // Jobs without bytes weigh nothing.
    thread.AddJob(folder.File("empty.avi").c_str(), folder.File("out\\again.avi").c_str(), kFileReplaceReplace);
    ASSERT_TRUE(RunToEnd(thread, recorder));
    EXPECT_EQ(thread.GetProgress(), 0.0);
}

TEST(FileCopyThread, CancelStopsTheRunningJobAndStartsNoOther)
{
    ScratchFolder folder;
    CFileCopyThread thread;
    CRunRecorder recorder(thread);
    for (const char* name : { "a.avi", "b.avi" }) {
        const std::string source = folder.File(name);
        ASSERT_TRUE(WriteWholeFile(source, PatternBytes(3 * kChunk, 2)));
        auto* job = new CTestCopyJob;
        job->SetFromFilePath(source.c_str());
        job->SetToFilePath(folder.File(std::string("copy-") + name).c_str());
        // The user presses Cancel while the first chunk is being written.
        job->makeFile = [&] { return new CWatchedFile([&](UINT) { thread.Cancel(); }); };
        thread.AddJob(job);
    }

    ASSERT_TRUE(RunToEnd(thread, recorder));

    EXPECT_EQ(thread.GetJob(0)->GetDone(), static_cast<__int64>(kChunk));
    EXPECT_FALSE(thread.GetJob(0)->HadError());
    EXPECT_EQ(thread.GetJob(1)->GetDone(), 0);
    EXPECT_EQ(FileNames(folder.Path()), (std::vector<std::string>{ "a.avi", "b.avi" }));
    EXPECT_LT(thread.GetProgress(), 1.0);
}

TEST(FileCopyThread, ApplyToAllLastsOneRun)
{
    ScratchFolder folder;
    const std::string source = folder.File("new.mp4");
    ASSERT_TRUE(WriteWholeFile(source, "new content"));
    CFileCopyThread thread;
    CRunRecorder recorder(thread);
    std::vector<std::string> targets;
    for (const char* name : { "a.mp4", "b.mp4", "c.mp4" }) {
        targets.push_back(folder.File(name));
        ASSERT_TRUE(WriteWholeFile(targets.back(), "old"));
        thread.AddJob(source.c_str(), targets.back().c_str(), kFileReplaceAsk);
    }

    {
        // Asked from the copying thread: No to the first alone, then Yes with "Apply to
        // All" replaces the rest without a question.
        CReplaceAnswerer answerer({ { false, false }, { true, true } });
        ASSERT_TRUE(RunToEnd(thread, recorder));
        EXPECT_EQ(answerer.Finish(), 2);
        EXPECT_EQ(answerer.BoxShown(), (std::vector<bool>{ true, true }));
        EXPECT_EQ(answerer.Questions()[0], targets[0] + " already exists. Would you like to replace the file?");
    }
    EXPECT_EQ(ReadWholeFile(targets[0]), "old");
    EXPECT_EQ(ReadWholeFile(targets[1]), "new content");
    EXPECT_EQ(ReadWholeFile(targets[2]), "new content");
    EXPECT_FALSE(thread.GetJob(0)->HadError()) << "a file kept is no error";

    // The next run asks again; No with "Apply to All" keeps every file without a question.
    for (const std::string& target : targets)
        ASSERT_TRUE(WriteWholeFile(target, "old"));
    {
        CReplaceAnswerer answerer({ { false, true } });
        ASSERT_TRUE(RunToEnd(thread, recorder));
        EXPECT_EQ(answerer.Finish(), 1);
    }
    for (const std::string& target : targets)
        EXPECT_EQ(ReadWholeFile(target), "old") << target;
}

TEST(FileRevolvingCopier, FilesHandedOverInARowArriveWholeAndInOrder)
{
    ScratchFolder folder;
    CFileRevolvingCopier copier;
    CRunRecorder recorder(copier.GetCopyThread());
    const std::string contents[] = { PatternBytes(2 * kChunk + 3, 1), PatternBytes(kChunk, 2), PatternBytes(1, 3) };
    for (int i = 0; i < 3; ++i) {
        const std::string name = std::to_string(i) + ".avi";
        ASSERT_TRUE(WriteWholeFile(folder.File(name), contents[i]));
        copier.AddFile(folder.File(name).c_str(), folder.File("out\\" + name).c_str());
    }
    // The first copy runs; the others wait without holding the caller up.
    EXPECT_TRUE(copier.IsCopying());
    ASSERT_EQ(copier.GetLookupCount(), 2);
    EXPECT_EQ(std::string(copier.GetLookup(0)->GetValue()), folder.File("out\\1.avi"));

    ASSERT_TRUE(PumpMessagesUntil([&] { return recorder.finished == 3; }, 20000));

    EXPECT_FALSE(copier.IsCopying());
    EXPECT_EQ(copier.GetLookupCount(), 0);
    using Run = std::vector<std::string>;
    EXPECT_EQ(recorder.runs, (std::vector<Run>{ { "0.avi" }, { "1.avi" }, { "2.avi" } }));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(ReadWholeFile(folder.File("out\\" + std::to_string(i) + ".avi")) == contents[i]) << i;

    // A file handed over later is copied alone: the finished ones are not copied again.
    ASSERT_TRUE(::DeleteFileA(folder.File("out\\0.avi").c_str()));
    copier.AddFile(folder.File("1.avi").c_str(), folder.File("out\\again.avi").c_str());
    ASSERT_TRUE(PumpMessagesUntil([&] { return recorder.finished == 4; }));
    EXPECT_EQ(recorder.runs.back(), (Run{ "again.avi" }));
    EXPECT_FALSE(UFileUtils::FileExist(folder.File("out\\0.avi").c_str()));
    EXPECT_TRUE(ReadWholeFile(folder.File("out\\again.avi")) == contents[1]);
}

TEST(FileRevolvingCopier, CancelOnTheUserInterfaceThreadReturnsAndDropsPendingFiles)
{
    ScratchFolder folder;
    const std::string big = folder.File("big.avi");
    ASSERT_TRUE(MakeSparseFile(big, 512LL * 1024 * 1024));
    ASSERT_TRUE(WriteWholeFile(folder.File("small.avi"), "small"));
    {
        CFileRevolvingCopier copier;
        CRunRecorder recorder(copier.GetCopyThread());
        copier.AddFile(big.c_str(), folder.File("out\\big.avi").c_str());
        copier.AddFile(folder.File("small.avi").c_str(), folder.File("out\\small.avi").c_str());
        ASSERT_TRUE(copier.IsCopying());

        copier.Cancel();

        EXPECT_FALSE(copier.IsCopying());
        EXPECT_EQ(copier.GetLookupCount(), 0);
        EXPECT_EQ(recorder.finished, 1);
        EXPECT_EQ(recorder.runs.size(), 1u) << "the pending file is not started";
        PumpMessagesFor(100);
        EXPECT_EQ(recorder.runs.size(), 1u);

        // A copier destroyed in the middle of a copy stops it first.
        copier.AddFile(big.c_str(), folder.File("out\\big.avi").c_str());
        ASSERT_TRUE(copier.IsCopying());
    }
    EXPECT_EQ(FileNames(folder.File("out\\")), std::vector<std::string>{});
}
