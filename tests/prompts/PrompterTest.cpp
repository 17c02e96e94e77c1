#include "DialogDriver.h"

#include "tnwmfcut.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

CString TextOf(HWND dialog, int id)
{
    char text[256] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

HWND FocusOf(HWND dialog)
{
    GUITHREADINFO info = { sizeof info };
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

} // namespace

TEST(Prompter, OkTakesTheTypedText)
{
    CString shownPrompt, shownPreset;
    bool editFocused = false;
    CDialogDriver driver("Enter Text", [&](HWND dialog) {
        shownPrompt = TextOf(dialog, IDC_TNW_PROMPT);
        shownPreset = TextOf(dialog, IDC_TNW_RESPONSE);
        editFocused = FocusOf(dialog) == ::GetDlgItem(dialog, IDC_TNW_RESPONSE);
        CDialogDriver::Type(dialog, IDC_TNW_RESPONSE, "Rock & Roll");
        CDialogDriver::Press(dialog, IDOK);
    });
    CString response = "old name";
    EXPECT_TRUE(CPrompter::Prompt("Name of the preset:", response));
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(shownPrompt, "Name of the preset:");
    EXPECT_EQ(shownPreset, "old name");
    EXPECT_TRUE(editFocused);
    EXPECT_EQ(response, "Rock & Roll");
}

TEST(Prompter, CancelAndClosingKeepTheAnswer)
{
    CString response = "kept";
    {
        CDialogDriver driver("Enter Text", [](HWND dialog) {
            CDialogDriver::Type(dialog, IDC_TNW_RESPONSE, "discarded");
            CDialogDriver::Press(dialog, IDCANCEL);
        });
        EXPECT_FALSE(CPrompter::Prompt("Name:", response));
        ASSERT_TRUE(driver.Acted());
    }
    {
        CDialogDriver driver("Enter Text", [](HWND dialog) {
            CDialogDriver::Type(dialog, IDC_TNW_RESPONSE, "discarded");
            ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        EXPECT_FALSE(CPrompter::Prompt(nullptr, response));
        ASSERT_TRUE(driver.Acted());
    }
    EXPECT_EQ(response, "kept");
}
