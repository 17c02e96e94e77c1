#include "ScratchFolder.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

// What the dialog was shown with.
struct Shown {
    std::string title;
    std::string filter;  // with its zero bytes, up to the closing double zero
    DWORD filterIndex = 0;
    std::string defaultExtension;
    std::string offeredName;
    DWORD flags = 0;
    DWORD bufferSize = 0;
    bool bufferZeroed = false;
};

// The user's part, played by the test: each showing of the dialog takes the next answer.
struct Answer {
    INT_PTR result;
    DWORD error;
    std::string chosen;  // the file buffer's content, zero bytes included
    DWORD filterIndex;
};

class CAnsweredFilePrompter : public CFilePrompter {
public:
    using CFilePrompter::CFilePrompter;

    std::vector<Shown> shown;
    std::deque<Answer> answers;

protected:
    INT_PTR ShowDialog(CFileDialog& dialog, DWORD& error) override
    {
        const OPENFILENAMEA& ofn = dialog.m_ofn;
        Shown seen;
        seen.title = ofn.lpstrTitle ? ofn.lpstrTitle : "";
        for (const char* part = ofn.lpstrFilter; part && *part; part += std::strlen(part) + 1)
            seen.filter.append(part).append(1, '\0');
        seen.filterIndex = ofn.nFilterIndex;
        seen.defaultExtension = ofn.lpstrDefExt ? ofn.lpstrDefExt : "<none>";
        seen.offeredName = ofn.lpstrFile;
        seen.flags = ofn.Flags;
        seen.bufferSize = ofn.nMaxFile;
        seen.bufferZeroed = std::all_of(ofn.lpstrFile, ofn.lpstrFile + ofn.nMaxFile, [](char c) { return c == 0; });
        shown.push_back(seen);

        if (answers.empty()) {
            error = 0;
            return IDCANCEL;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        if (answer.result == IDOK) {
            std::memcpy(dialog.m_ofn.lpstrFile, answer.chosen.c_str(), answer.chosen.size() + 1);
            dialog.m_ofn.lpstrFile[answer.chosen.size() + 1] = '\0';
            dialog.m_ofn.nFilterIndex = answer.filterIndex;
        }
        error = answer.error;
        return answer.result;
    }
};

std::string Bytes(const char* text, size_t length)
{
    return std::string(text, length);
}

// The selected files with their extensions, "path extension|" each, and what an index
// past them gives.
std::string Selection(CFilePrompter& prompter)
{
    std::string selection;
    CString extension;
    for (int i = 0; i < prompter.GetSelectedCount(); ++i) {
        selection += prompter.GetFile(i, extension);
        selection += std::string(" ") + static_cast<const char*>(extension) + "|";
    }
    return selection + static_cast<const char*>(prompter.GetFile(prompter.GetSelectedCount(), extension));
}

class FilePrompterTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    CIniProfile settings{ scratch.File("settings.ini").c_str() };
    CRegistry choice{ "Prompter", "Filter", &settings };
};

} // namespace

TEST_F(FilePrompterTest, OpenListsFiltersByDescriptionAndChoosesAllFiles)
{
    CAnsweredFilePrompter prompter;
    prompter.AddFilter("mp4", "MPEG-4");
    prompter.AddFilter("*.avi", "AVI");
    prompter.AddFilter("wmv", "Windows Media");
    EXPECT_FALSE(prompter.PromptOpen(false));
    ASSERT_EQ(prompter.shown.size(), 1u);
    const Shown& shown = prompter.shown[0];
    EXPECT_EQ(shown.title, "Open File");
    EXPECT_EQ(shown.filter, Bytes("AVI\0*.avi\0MPEG-4\0*.mp4\0Windows Media\0*.wmv\0All Files\0*.*\0", 57));
    EXPECT_EQ(shown.filterIndex, 4u) << "All Files";
    EXPECT_EQ(shown.defaultExtension, "avi") << "the first filter's extension, not its pattern";
    EXPECT_EQ(shown.flags & (OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_ENABLESIZING | OFN_HIDEREADONLY),
              static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_ENABLESIZING | OFN_HIDEREADONLY));
    EXPECT_EQ(shown.bufferSize, 0x10400u);
    EXPECT_TRUE(shown.bufferZeroed);
    EXPECT_EQ(prompter.GetSelectedCount(), 0);
}

TEST_F(FilePrompterTest, AMultipleSelectionAndTheRememberedFilter)
{
    CAnsweredFilePrompter prompter(&choice);
    prompter.AddFilter("mp4", "MPEG-4");
    prompter.AddFilter("avi", "AVI");
    prompter.answers.push_back({ IDOK, 0, Bytes("C:\\media\0a.mp4\0b.final.avi\0notes", 33), 2 });
    EXPECT_TRUE(prompter.PromptOpen(true));
    EXPECT_TRUE(prompter.shown[0].flags & OFN_ALLOWMULTISELECT);
    EXPECT_EQ(Selection(prompter), "C:\\media\\a.mp4 mp4|C:\\media\\b.final.avi avi|C:\\media\\notes |");
    EXPECT_EQ(choice.GetValue(0), 2u);

    // The next dialog starts at the filter chosen last; a cancel keeps no selection and
    // no new choice.
    EXPECT_FALSE(prompter.PromptOpen(false));
    EXPECT_EQ(prompter.shown[1].filterIndex, 2u);
    EXPECT_EQ(prompter.GetSelectedCount(), 0);
    EXPECT_EQ(choice.GetValue(0), 2u);

    // Damaged or outdated choices are ignored: All Files to open, the first filter to save.
    for (const char* stored : {"garbage", "0", "4", "4294967295"}) {
        choice.SetTextValue(stored);
        prompter.PromptOpen(false);
        EXPECT_EQ(prompter.shown.back().filterIndex, 3u) << "open, stored " << stored;
        prompter.PromptSaveAs();
        EXPECT_EQ(prompter.shown.back().filterIndex, 1u) << "save, stored " << stored;
    }
}

TEST_F(FilePrompterTest, SaveOffersASafeNameAndRetriesWithoutOneOnError)
{
    CAnsweredFilePrompter prompter(&choice);
    prompter.AddFilter("*.*", "Anything");
    prompter.SetDefault("C:\\out\\Live: take 2 <final>?.mp4");
    prompter.answers.push_back({ IDCANCEL, FNERR_INVALIDFILENAME, "", 0 });
    prompter.answers.push_back({ IDOK, 0, "C:\\out\\chosen.mp4", 1 });
    EXPECT_TRUE(prompter.PromptSaveAs());
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[0].title, "Save File");
    EXPECT_EQ(prompter.shown[0].offeredName, "C:\\out\\Live_ take 2 _final__.mp4");
    EXPECT_EQ(prompter.shown[0].defaultExtension, "<none>") << "*.* names no extension";
    EXPECT_EQ(prompter.shown[0].flags & (OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST),
              static_cast<DWORD>(OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST));
    EXPECT_EQ(prompter.shown[1].offeredName, "");
    EXPECT_EQ(Selection(prompter), "C:\\out\\chosen.mp4 mp4|");
    EXPECT_EQ(choice.GetValue(0), 1u);

    // A plain cancel is not retried.
    EXPECT_FALSE(prompter.PromptSaveAs());
    EXPECT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(prompter.GetSelectedCount(), 0);
}
