#include "DialogDriver.h"

#include "tnwmfcut.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DWORD AddressOf(HWND dialog)
{
    DWORD address = 0;
    ::SendDlgItemMessageA(dialog, IDC_TNW_IP_ADDRESS, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    return address;
}

} // namespace

TEST(Prompter, OkTakesTheTypedTextOrAddressAndAnythingElseKeepsTheAnswer)
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

    // The address prompter starts at the given address, and OK gives the typed one.
    DWORD start = 0;
    bool focused = false;
    CDialogDriver driver("Enter IP Address", [&](HWND dialog) {
        start = AddressOf(dialog);
        HWND control = ::GetDlgItem(dialog, IDC_TNW_IP_ADDRESS);
        focused = ::IsChild(control, CDialogDriver::Focus(dialog)) != FALSE;
        // Typed field by field, as a person would.
        const char* const typed[4] = {"10", "0", "0", "254"};
        int field = 0;
        for (HWND edit = ::GetWindow(control, GW_CHILD); edit && field < 4; edit = ::GetWindow(edit, GW_HWNDNEXT))
            ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed[field++]));
        CDialogDriver::Press(dialog, IDOK);
    });
    CString address = "192.168.1.2";
    EXPECT_TRUE(CIpPrompter::Prompt("Camera address:", address));
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(start, 0xC0A80102u);
    EXPECT_TRUE(focused) << "the address field has the focus";
    EXPECT_EQ(address, "10.0.0.254");

    CDialogDriver cancelled("Enter IP Address", [&](HWND dialog) {
        start = AddressOf(dialog);
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    address = "garbage";
    EXPECT_FALSE(CIpPrompter::Prompt(nullptr, address));
    ASSERT_TRUE(cancelled.Acted());
    EXPECT_EQ(start, 0u) << "a malformed address starts at 0.0.0.0";
    EXPECT_EQ(address, "garbage") << "a cancel hands the text back untouched";
}

// The question itself, Yes and No, and the box shown or hidden are the replace rule's to
// show (FileReplaceTest); here, how one answer serves a series.
TEST(RepeatPrompter, ApplyToAllAnswersEveryLaterQuestionUntilReset)
{
    CRepeatPrompter prompter;
    CDialogDriver closed("Confirm", [](HWND dialog) {
        CDialogDriver::Press(dialog, IDC_TNW_APPLY_TO_ALL);
        ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_FALSE(prompter.Prompt("Replace a.mp4?", true)) << "closing the window counts as No";
    ASSERT_TRUE(closed.Acted());
    EXPECT_TRUE(prompter.IsApplyingToAll());
    CDialogDriver unexpected("Confirm", [](HWND dialog) { CDialogDriver::Press(dialog, IDYES); }, 300);
    EXPECT_FALSE(prompter.Prompt("Replace b.mp4?", true));
    EXPECT_FALSE(unexpected.Acted()) << "no dialog while the answer applies to all";

    prompter.Reset();
    CDialogDriver tickedTwice("Confirm", [](HWND dialog) {
        for (int id : {IDC_TNW_APPLY_TO_ALL, IDC_TNW_APPLY_TO_ALL, IDYES})
            CDialogDriver::Press(dialog, id);
    });
    EXPECT_TRUE(prompter.Prompt("Replace c.mp4?", true));
    ASSERT_TRUE(tickedTwice.Acted());
    EXPECT_FALSE(prompter.IsApplyingToAll()) << "ticked and unticked: for this question only";
}
