#include "DialogDriver.h"
#include "TestApp.h"
#include "resource.h"

#include "afxwin.h"

#include <gtest/gtest.h>

namespace {

class CNameDialog : public CDialog {
public:
    CNameDialog() : CDialog(IDD_NAME_DIALOG) {}

    CString name = "initial";
    int count = 3;
    int agree = 0;
    int endInInit = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (endInInit)
            EndDialog(endInInit);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_NAME, name);
        DDX_Text(pDX, IDC_COUNT, count);
        DDX_Check(pDX, IDC_AGREE, agree);
    }
};

CString TextOf(HWND dialog, int id)
{
    char text[64] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

} // namespace

TEST(Dialog, OkSavesCancelKeepsEndDialogWorksFromOnInitDialogAndABadNumberKeepsItOpen)
{
    CNameDialog dialog;
    CString shownName;
    CDialogDriver driver("Name Test", [&](HWND hDlg) {
        shownName = TextOf(hDlg, IDC_NAME);
        CDialogDriver::Type(hDlg, IDC_NAME, "Ada");
        CDialogDriver::Type(hDlg, IDC_COUNT, "12");
        CDialogDriver::Tick(hDlg, IDC_AGREE, true);
        CDialogDriver::Press(hDlg, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(shownName, "initial") << "OnInitDialog fills the controls from the members";
    EXPECT_EQ(dialog.name, "Ada");
    EXPECT_EQ(dialog.count, 12);
    EXPECT_EQ(dialog.agree, 1);
    EXPECT_EQ(dialog.m_hWnd, nullptr) << "the modal window is gone when DoModal returns";

    CNameDialog canceled;
    CDialogDriver cancel("Name Test", [](HWND hDlg) {
        CDialogDriver::Type(hDlg, IDC_NAME, "ignored");
        CDialogDriver::Press(hDlg, IDCANCEL);
    });
    EXPECT_EQ(canceled.DoModal(), IDCANCEL);
    ASSERT_TRUE(cancel.Acted());
    EXPECT_EQ(canceled.name, "initial") << "cancel keeps the members";

    CNameDialog ended;
    ended.endInInit = 42;
    EXPECT_EQ(ended.DoModal(), 42) << "ending during initialisation returns without a loop";
    EXPECT_EQ(CDialog(9999).DoModal(), -1) << "a missing template";

    // A bad number is reported and the dialog stays open.
    TestApp().ForgetMessageBoxes();
    CNameDialog corrected;
    CDialogDriver retry("Name Test", [](HWND hDlg) {
        CDialogDriver::Type(hDlg, IDC_COUNT, "twelve");
        CDialogDriver::Press(hDlg, IDOK);
        // Still open: correct the input and try again.
        CDialogDriver::Type(hDlg, IDC_COUNT, "8");
        CDialogDriver::Press(hDlg, IDOK);
    });
    EXPECT_EQ(corrected.DoModal(), IDOK);
    ASSERT_TRUE(retry.Acted());
    ASSERT_EQ(TestApp().MessageBoxes().size(), 1u);
    EXPECT_EQ(TestApp().MessageBoxes()[0], "Please enter an integer.");
    EXPECT_EQ(corrected.count, 8);
}

