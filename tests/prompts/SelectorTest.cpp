#include "DialogDriver.h"

#include "tnwmfcut.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ShownList {
    std::vector<std::string> entries;
    int selected = LB_ERR;
    std::string title;
};

ShownList Look(HWND dialog)
{
    ShownList shown;
    HWND list = ::GetDlgItem(dialog, IDC_TNW_SELECTION);
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        shown.entries.emplace_back(text);
    }
    shown.selected = static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0));
    char title[256] = {};
    ::GetWindowTextA(dialog, title, sizeof title);
    shown.title = title;
    return shown;
}

// Clicks (and with twice, double-clicks) an entry where the user would: in its row.
void ClickEntry(HWND dialog, int index, bool twice)
{
    HWND list = ::GetDlgItem(dialog, IDC_TNW_SELECTION);
    RECT row = {};
    ::SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&row));
    const LPARAM point = MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2);
    ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(list, WM_LBUTTONUP, 0, point);
    if (twice) {
        ::SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        ::SendMessageA(list, WM_LBUTTONUP, 0, point);
    }
}

} // namespace

TEST(Selector, PreselectsTheEqualEntryAndOkTakesIt)
{
    CSelector selector;
    selector.SetTitle("Output Format");
    selector.SetPromptText("Convert to:");
    selector.AddSelection("Video HD", false);
    selector.AddSelection("Video", true);
    selector.AddSelection("video", false);
    selector.AddSelection("Audio", false);
    ShownList shown;
    CString prompt;
    CDialogDriver driver("Output Format", [&](HWND dialog) {
        shown = Look(dialog);
        char text[64] = {};
        ::GetDlgItemTextA(dialog, IDC_TNW_PROMPT, text, sizeof text);
        prompt = text;
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(selector.Prompt());
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(shown.entries, (std::vector<std::string>{ "Video HD", "Video", "video", "Audio" }))
        << "entries keep the order they were added in";
    EXPECT_EQ(shown.selected, 1) << "the entry equal to the preselected text, not the first that starts with it";
    EXPECT_EQ(prompt, "Convert to:");
    EXPECT_EQ(selector.GetResponseText(), "Video");
}

TEST(Selector, OkWaitsForAChoiceAndADoubleClickMakesIt)
{
    CSelector selector;
    selector.AddSelection("Audio", false);
    selector.AddSelection("Photo", false);
    selector.AddSelection("Ringtone", false);
    ShownList before, afterOk;
    CDialogDriver driver("Select", [&](HWND dialog) {
        before = Look(dialog);
        CDialogDriver::Press(dialog, IDOK);
        afterOk = Look(dialog); // still open: OK without a choice does nothing
        ClickEntry(dialog, 1, true);
    });
    EXPECT_TRUE(selector.Prompt());
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(before.title, "Select") << "the default title";
    EXPECT_EQ(before.selected, LB_ERR) << "nothing preselected, not even the first entry";
    EXPECT_EQ(afterOk.entries.size(), 3u);
    EXPECT_EQ(selector.GetResponseText(), "Photo");

    // The same selector asks again with the same entries; cancelling chooses nothing.
    CDialogDriver again("Select", [&](HWND dialog) {
        before = Look(dialog);
        ClickEntry(dialog, 0, false);
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(selector.Prompt());
    ASSERT_TRUE(again.Acted());
    EXPECT_EQ(before.entries.size(), 3u);
    EXPECT_EQ(before.selected, 1) << "the last answer starts selected";
    EXPECT_EQ(selector.GetResponseText(), "Photo");
}
