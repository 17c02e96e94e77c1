#include "CopyTestSupport.h"
#include "MessagePump.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

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
