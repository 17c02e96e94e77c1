#include "DialogDriver.h"

#include "res/resource.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The message and the OK button's text, "-" when it is hidden; "frame" when the frame
// static shows, which only marks where the red frame goes.
std::string Look(HWND dialog)
{
    return CDialogDriver::TextOf(dialog, IDC_ERROR_MESSAGE) + "|" +
           (CDialogDriver::Shows(dialog, IDOK) ? CDialogDriver::TextOf(dialog, IDOK) : "-") +
           (CDialogDriver::Shows(dialog, IDC_ERROR_FRAME) ? "|frame" : "");
}

TEST(ErrorDialogTest, TheActionButtonShowsOnlyWithTheCallersText)
{
    std::string shown;
    CDialogDriver download("Error", [&](HWND dialog) {
        shown = Look(dialog);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(CErrorDialog::Prompt("The Xvid codec is missing.", "Download"));
    ASSERT_TRUE(download.Acted());
    EXPECT_EQ(shown, "The Xvid codec is missing.|Download");

    CDialogDriver cancelOnly("Error", [&](HWND dialog) {
        shown = Look(dialog);
        // Enter chooses the default button, which is not there to choose.
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(CErrorDialog::Prompt("The disk is full.", ""));
    ASSERT_TRUE(cancelOnly.Acted());
    EXPECT_EQ(shown, "The disk is full.|-");
}

} // namespace
