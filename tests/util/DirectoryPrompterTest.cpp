#include "ScratchFolder.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Stands in for the picker's window: remembers the folder the picker was told to select.
class CPickerWindow : public CWnd {
public:
    std::string selected;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == BFFM_SETSELECTIONA && wParam)
            selected = reinterpret_cast<const char*>(lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The user's part, played by the test: the picker starts, then the answer is the item
// for `answer` (a path, or null for cancel).
class CAnsweredDirectoryPrompter : public CDirectoryPrompter {
public:
    LPITEMIDLIST answer = nullptr;
    BROWSEINFOA shown = {};
    std::string shownTitle;
    std::string selectedAtStart;

protected:
    LPITEMIDLIST BrowseForFolder(BROWSEINFOA& info) override
    {
        shown = info;
        shownTitle = info.lpszTitle ? info.lpszTitle : "";
        if (info.lpfn) {
            CPickerWindow picker;
            picker.CreateEx(0, nullptr, "picker", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
            info.lpfn(picker.m_hWnd, BFFM_INITIALIZED, 0, info.lParam);
            selectedAtStart = picker.selected;
            picker.DestroyWindow();
        }
        return answer;
    }
};

} // namespace

TEST(DirectoryPrompter, OpenAndSaveFlagsTitleAndTheDefaultFolder)
{
    ScratchFolder scratch;
    CAnsweredDirectoryPrompter prompter;
    prompter.answer = ::ILCreateFromPathA(scratch.Path().c_str());
    EXPECT_TRUE(prompter.PromptOpen());
    EXPECT_EQ(prompter.shown.ulFlags, 0x269u) << "no button for making a folder";
    EXPECT_EQ(prompter.shownTitle, "Browse...");
    EXPECT_EQ(prompter.shown.lpfn, nullptr) << "nothing to select without a default";
    std::string chosen = scratch.Path();
    chosen.pop_back();
    EXPECT_EQ(prompter.GetPath(), chosen.c_str());

    prompter.SetTitle("Where do the videos go?");
    prompter.SetDefaultPath("C:\\videos");
    prompter.answer = nullptr;
    EXPECT_FALSE(prompter.PromptSaveAs()) << "cancelled";
    EXPECT_EQ(prompter.shown.ulFlags, 0x69u);
    EXPECT_EQ(prompter.shownTitle, "Where do the videos go?");
    EXPECT_EQ(prompter.selectedAtStart, "C:\\videos");
    EXPECT_EQ(prompter.GetPath(), chosen.c_str()) << "a cancel keeps the last choice";

    CAnsweredDirectoryPrompter outside;
    ASSERT_EQ(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &outside.answer), S_OK);
    EXPECT_FALSE(outside.PromptOpen()) << "a choice outside the file system is no choice";
    EXPECT_EQ(outside.GetPath(), "");
}
