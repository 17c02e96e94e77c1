#include "DialogDriver.h"

#include "res/resource.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SErrorDialogView {
    std::string message;
    bool okVisible = true;
    std::string okText;
    bool frameVisible = true;
    bool cancelVisible = false;
};

SErrorDialogView Look(HWND dialog)
{
    SErrorDialogView view;
    char text[256] = {};
    ::GetDlgItemTextA(dialog, IDC_ERROR_MESSAGE, text, sizeof text);
    view.message = text;
    view.okVisible = ::IsWindowVisible(::GetDlgItem(dialog, IDOK)) != FALSE;
    ::GetDlgItemTextA(dialog, IDOK, text, sizeof text);
    view.okText = text;
    view.frameVisible = ::IsWindowVisible(::GetDlgItem(dialog, IDC_ERROR_FRAME)) != FALSE;
    view.cancelVisible = ::IsWindowVisible(::GetDlgItem(dialog, IDCANCEL)) != FALSE;
    return view;
}

TEST(ErrorDialogTest, WithoutButtonTextItCanOnlyBeCancelled)
{
    SErrorDialogView view;
    CDialogDriver driver("Error", [&](HWND dialog) {
        view = Look(dialog);
        // Enter chooses the default button, which is not there to choose.
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(CErrorDialog::Prompt("The disk is full.", ""));
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(view.message, "The disk is full.");
    EXPECT_FALSE(view.okVisible);
    EXPECT_FALSE(view.frameVisible) << "the frame static only marks the red frame";
    EXPECT_TRUE(view.cancelVisible);
}

TEST(ErrorDialogTest, TheActionButtonCarriesTheCallersText)
{
    SErrorDialogView view;
    CDialogDriver driver("Error", [&](HWND dialog) {
        view = Look(dialog);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(CErrorDialog::Prompt("The Xvid codec is missing.", "Download"));
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(view.message, "The Xvid codec is missing.");
    EXPECT_TRUE(view.okVisible);
    EXPECT_EQ(view.okText, "Download");
    EXPECT_FALSE(view.frameVisible);

    CDialogDriver cancel("Error", [](HWND dialog) { CDialogDriver::Press(dialog, IDCANCEL); });
    EXPECT_FALSE(CErrorDialog::Prompt("The Xvid codec is missing.", "Download"));
    EXPECT_TRUE(cancel.Acted());
}

} // namespace
