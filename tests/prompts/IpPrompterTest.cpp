#include "DialogDriver.h"

#include "tnwmfcut.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

const char* const kTitle = "Enter IP Address";

DWORD AddressOf(HWND dialog)
{
    DWORD address = 0;
    ::SendDlgItemMessageA(dialog, IDC_TNW_IP_ADDRESS, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    return address;
}

} // namespace

TEST(IpPrompter, StartsAtTheGivenAddressAndOkGivesTheTypedOne)
{
    DWORD shown = 0;
    bool focused = false;
    CDialogDriver driver(kTitle, [&](HWND dialog) {
        shown = AddressOf(dialog);
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
    EXPECT_EQ(shown, 0xC0A80102u);
    EXPECT_TRUE(focused) << "the address field has the focus";
    EXPECT_EQ(address, "10.0.0.254");

    CDialogDriver cancel(kTitle, [&](HWND dialog) {
        shown = AddressOf(dialog);
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    address = "garbage";
    EXPECT_FALSE(CIpPrompter::Prompt(nullptr, address));
    ASSERT_TRUE(cancel.Acted());
    EXPECT_EQ(shown, 0u) << "a malformed address starts at 0.0.0.0";
    EXPECT_EQ(address, "garbage") << "a cancel hands the text back untouched";
}
