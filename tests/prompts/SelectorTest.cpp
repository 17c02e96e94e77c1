#include "DialogDriver.h"

#include "tnwmfcut.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The title, the prompt, the entries and which one is selected, as the user sees them:
// "Title|Prompt|a,*b,c" with the selected entry starred.
std::string Look(HWND dialog)
{
    char text[256] = {};
    ::GetWindowTextA(dialog, text, sizeof text);
    std::string shown = std::string(text) + "|" + CDialogDriver::TextOf(dialog, IDC_TNW_PROMPT) + "|";
    HWND list = ::GetDlgItem(dialog, IDC_TNW_SELECTION);
    const int selected = static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0));
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        ::SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        shown += std::string(i ? "," : "") + (i == selected ? "*" : "") + text;
    }
    return shown;
}

// Double-clicks an entry where the user would: in its row.
void DoubleClickEntry(HWND dialog, int index)
{
    HWND list = ::GetDlgItem(dialog, IDC_TNW_SELECTION);
    RECT row = {};
    ::SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&row));
    const LPARAM point = MAKELPARAM((row.left + row.right) / 2, (row.top + row.bottom) / 2);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        ::SendMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
}

} // namespace

TEST(Selector, StartsAtTheAnswersEntryOrTheFirstAndOkWaitsForAChoice)
{
    // The first entry that begins with the answer, in any case.
    CSelector selector;
    selector.SetTitle("Output Format");
    selector.SetPromptText("Convert to:");
    selector.AddSelection("Audio", false);
    selector.AddSelection("video HD", false);
    selector.AddSelection("Video", true);
    std::string shown, afterOk;
    CDialogDriver driver("Output Format", [&](HWND dialog) {
        shown = Look(dialog);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(selector.Prompt());
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(shown, "Output Format|Convert to:|Audio,*video HD,Video");
    EXPECT_EQ(selector.GetResponseText(), "video HD");

    // The entries went into the first list: shown again, there is nothing to choose.
    CDialogDriver again("Output Format", [&](HWND dialog) {
        CDialogDriver::Press(dialog, IDOK);
        afterOk = Look(dialog); // still open: OK without a choice does nothing
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(selector.Prompt());
    ASSERT_TRUE(again.Acted());
    EXPECT_EQ(afterOk, "Output Format|Convert to:|");
    EXPECT_EQ(selector.GetResponseText(), "video HD");

    // With no answer the first entry, so that OK works at once; a double click chooses.
    CSelector plain;
    plain.AddSelection("Audio", false);
    plain.AddSelection("Photo", false);
    CDialogDriver doubleClick("Select", [&](HWND dialog) {
        shown = Look(dialog);
        DoubleClickEntry(dialog, 1);
    });
    EXPECT_TRUE(plain.Prompt());
    ASSERT_TRUE(doubleClick.Acted());
    EXPECT_EQ(shown, "Select||*Audio,Photo");
    EXPECT_EQ(plain.GetResponseText(), "Photo");
}
