#include "DialogDriver.h"

#include "tnwmfcut.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

TEST(Prompter, OkTakesTheTypedTextAndAnythingElseKeepsTheAnswer)
{
    std::string shown;
    bool editFocused = false;
    CDialogDriver ok("Enter Text", [&](HWND dialog) {
        shown = CDialogDriver::TextOf(dialog, IDC_TNW_PROMPT) + "|" + CDialogDriver::TextOf(dialog, IDC_TNW_RESPONSE);
        editFocused = CDialogDriver::Focus(dialog) == ::GetDlgItem(dialog, IDC_TNW_RESPONSE);
        CDialogDriver::Type(dialog, IDC_TNW_RESPONSE, "Rock & Roll");
        CDialogDriver::Press(dialog, IDOK);
    });
    CString response = "old name";
    EXPECT_TRUE(CPrompter::Prompt("Name of the preset:", response));
    ASSERT_TRUE(ok.Acted());
    EXPECT_EQ(shown, "Name of the preset:|old name");
    EXPECT_TRUE(editFocused);
    EXPECT_EQ(response, "Rock & Roll");

    CDialogDriver cancel("Enter Text", [](HWND dialog) {
        CDialogDriver::Type(dialog, IDC_TNW_RESPONSE, "discarded");
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(CPrompter::Prompt(nullptr, response));
    ASSERT_TRUE(cancel.Acted());
    EXPECT_EQ(response, "Rock & Roll");
}
