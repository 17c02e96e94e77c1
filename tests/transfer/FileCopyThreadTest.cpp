#include "CopyTestSupport.h"
#include "MessagePump.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

const size_t kChunk = CFileCopyJob::kChunkSize;

class CFinishRecorder : public CListener {
public:
    int finished = 0;
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code != CWorkerThread::kThreadFinished)
            return CListener::ListenToMessage(code, sender, extra);
        ++finished;
        return true;
    }
};

// Runs the thread and dispatches messages until it has finished.
bool RunToEnd(CFileCopyThread& thread, CFinishRecorder& recorder, unsigned timeoutMs = 10000)
{
    const int before = recorder.finished;
    return thread.Execute(0) && PumpMessagesUntil([&] { return recorder.finished > before; }, timeoutMs);
}

struct SSample {
    std::string text;
    double progress;
};

} // namespace

TEST(FileCopyThread, CopiesInOrderWithTextAndByteWeightedProgressPastFailedJobs)
{
    ScratchFolder folder;
    const std::string sizes[] = { PatternBytes(2 * kChunk, 1), std::string(), PatternBytes(kChunk, 3) };
    const char* names[] = { "first.avi", "empty.avi", "last.avi" };
    CFileCopyThread thread;
    CFinishRecorder recorder;
    thread.AddListener(&recorder);
    EXPECT_EQ(thread.GetProgress(), 0.0) << "no jobs";
    std::vector<SSample> samples;
    for (int i = 0; i < 3; ++i) {
        const std::string source = folder.File(names[i]);
        ASSERT_TRUE(WriteWholeFile(source, sizes[i]));
        auto* job = new CTestCopyJob;
        job->SetFromFilePath(source.c_str());
        job->SetToFilePath(folder.File("out\\" + std::string(names[i])).c_str());
        job->makeFile = [&] {
            return new CWatchedFile([&](UINT) { samples.push_back({ thread.GetText(), thread.GetProgress() }); });
        };
        thread.AddJob(job);
        // A job that fails does not stop the run.
        if (i == 0)
            thread.AddJob(folder.File("missing.avi").c_str(), folder.File("out\\missing.avi").c_str(),
                          kFileReplaceReplace);
    }
    EXPECT_EQ(thread.GetProgress(), 0.0) << "before the run";
    EXPECT_STREQ(thread.GetText(), "");

    ASSERT_TRUE(RunToEnd(thread, recorder));

    ASSERT_EQ(samples.size(), 3u);
    EXPECT_EQ(samples[0].text, "Copying first.avi...");
    EXPECT_DOUBLE_EQ(samples[0].progress, 0.0);
    EXPECT_DOUBLE_EQ(samples[1].progress, 1.0 / 3);
    EXPECT_EQ(samples[2].text, "Copying last.avi...");
    EXPECT_DOUBLE_EQ(samples[2].progress, 2.0 / 3) << "the empty and the failed job count as passed";
    EXPECT_EQ(thread.GetProgress(), 1.0);
    EXPECT_STREQ(thread.GetText(), "");
    ASSERT_EQ(thread.GetJobCount(), 4) << "the jobs stay for another run until Reset";
    EXPECT_TRUE(thread.GetJob(1)->HadError());
    for (int i : { 0, 2, 3 })
        EXPECT_FALSE(thread.GetJob(i)->HadError()) << i;
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
    CFinishRecorder recorder;
    thread.AddListener(&recorder);
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
    CFinishRecorder recorder;
    thread.AddListener(&recorder);
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
