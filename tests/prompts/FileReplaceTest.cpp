#include "DialogDriver.h"
#include "ScratchFolder.h"

#include "res/resource.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class FileReplaceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(WriteWholeFile(clip, "first run")); }

    CString Path(EFileReplace option, CRepeatPrompter* prompter = nullptr)
    {
        return UFileReplace::GetFilePath(prompter, clip.c_str(), option);
    }

    ScratchFolder scratch;
    const std::string clip = scratch.File("clip.mp4");
};

} // namespace

TEST_F(FileReplaceTest, ReplaceSkipAndRename)
{
    const std::string fresh = scratch.File("fresh.mp4");
    for (int option : {0, 1, 2, 3, -1})
        EXPECT_EQ(UFileReplace::GetFilePath(nullptr, fresh.c_str(), static_cast<EFileReplace>(option)), fresh.c_str())
            << "a free path is used whatever the option, " << option;
    EXPECT_EQ(Path(kFileReplaceReplace), clip.c_str());
    EXPECT_EQ(Path(kFileReplaceSkip), "");
    EXPECT_EQ(Path(static_cast<EFileReplace>(42)), "") << "unknown options skip";

    // Numbers start at 2, and a folder never counts as a free name.
    ASSERT_TRUE(WriteWholeFile(scratch.File("clip_2.mp4"), "x"));
    ASSERT_TRUE(::CreateDirectoryA(scratch.File("clip_3.mp4").c_str(), nullptr));
    EXPECT_EQ(Path(kFileReplaceRename), scratch.File("clip_4.mp4").c_str());
    EXPECT_EQ(ReadWholeFile(clip), "first run") << "renaming leaves the existing file alone";

    ASSERT_TRUE(WriteWholeFile(scratch.File("README"), "x"));
    EXPECT_EQ(UFileReplace::AutoRenameFilePath(scratch.File("README").c_str()), scratch.File("README_2").c_str());
    EXPECT_EQ(UFileReplace::AutoRenameFilePath("clip.final.mp4"), "clip.final_2.mp4") << "a bare name stays bare";
    EXPECT_EQ(UFileReplace::AutoRenameFilePath(""), "");

    // The numbers end at 9998; then the file is skipped.
    std::vector<std::string> asked;
    const auto allTaken = [&](const char* path) {
        asked.push_back(path);
        return true;
    };
    EXPECT_EQ(UFileReplace::AutoRenameFilePath("C:\\out\\clip.mp4", allTaken), "");
    ASSERT_EQ(asked.size(), 9997u);
    EXPECT_EQ(asked.front(), "C:\\out\\clip_2.mp4");
    EXPECT_EQ(asked.back(), "C:\\out\\clip_9998.mp4");

    const auto lastFree = [](const char* path) { return std::string(path) != "C:\\out\\clip_9998.mp4"; };
    EXPECT_EQ(UFileReplace::AutoRenameFilePath("C:\\out\\clip.mp4", lastFree), "C:\\out\\clip_9998.mp4");
}

TEST_F(FileReplaceTest, AskingAloneLeavesTheFileToTheWriterAndInASeriesDeletesItOnYes)
{
    std::string message;
    bool boxShown = true;
    CDialogDriver alone("Confirm", [&](HWND dialog) {
        message = CDialogDriver::TextOf(dialog, IDC_TNW_PROMPT);
        boxShown = CDialogDriver::Shows(dialog, IDC_TNW_APPLY_TO_ALL);
        CDialogDriver::Press(dialog, IDYES);
    });
    EXPECT_EQ(Path(kFileReplaceAsk), clip.c_str());
    ASSERT_TRUE(alone.Acted());
    EXPECT_EQ(message, clip + " already exists. Would you like to replace the file?");
    EXPECT_FALSE(boxShown) << "a single question has nothing to apply to all";
    EXPECT_TRUE(UFileUtils::FileExist(clip.c_str()));

    CRepeatPrompter prompter;
    CDialogDriver no("Confirm", [&](HWND dialog) {
        boxShown = CDialogDriver::Shows(dialog, IDC_TNW_APPLY_TO_ALL);
        CDialogDriver::Press(dialog, IDNO);
    });
    EXPECT_EQ(Path(kFileReplaceAsk, &prompter), "");
    ASSERT_TRUE(no.Acted());
    EXPECT_TRUE(boxShown);
    EXPECT_EQ(ReadWholeFile(clip), "first run");
    CDialogDriver yes("Confirm", [](HWND dialog) { CDialogDriver::Press(dialog, IDYES); });
    EXPECT_EQ(Path(kFileReplaceAsk, &prompter), clip.c_str());
    ASSERT_TRUE(yes.Acted());
    EXPECT_FALSE(UFileUtils::FileExist(clip.c_str())) << "the old file made way";
}
