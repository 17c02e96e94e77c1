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

// Types into the four fields of the address control as a person would, field by field.
void TypeAddress(HWND dialog, const char* const parts[4])
{
    HWND control = ::GetDlgItem(dialog, IDC_TNW_IP_ADDRESS);
    int field = 0;
    for (HWND edit = ::GetWindow(control, GW_CHILD); edit && field < 4; edit = ::GetWindow(edit, GW_HWNDNEXT))
        ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(parts[field++]));
}

} // namespace

TEST(IpPrompter, StartsAtTheGivenAddressAndOkGivesTheTypedOne)
{
    DWORD shown = 0;
    CString prompt;
    bool focused = false;
    CDialogDriver driver(kTitle, [&](HWND dialog) {
        shown = AddressOf(dialog);
        char text[64] = {};
        ::GetDlgItemTextA(dialog, IDC_TNW_PROMPT, text, sizeof text);
        prompt = text;
        GUITHREADINFO info = { sizeof info };
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info);
        focused = ::IsChild(::GetDlgItem(dialog, IDC_TNW_IP_ADDRESS), info.hwndFocus) != FALSE;
        const char* const typed[4] = { "10", "0", "0", "254" };
        TypeAddress(dialog, typed);
        CDialogDriver::Press(dialog, IDOK);
    });
    CString address = "192.168.1.2";
    EXPECT_TRUE(CIpPrompter::Prompt("Camera address:", address));
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(shown, 0xC0A80102u);
    EXPECT_EQ(prompt, "Camera address:");
    EXPECT_TRUE(focused) << "the address field has the focus";
    EXPECT_EQ(address, "10.0.0.254");
}

TEST(IpPrompter, MalformedAddressesStartAsFarAsTheyCanBeRead)
{
    struct Case {
        const char* given;
        DWORD shown;
    } cases[] = { { "", 0 }, { "garbage", 0 }, { "10.1", 0x0A010000 }, { "300.2.3.4", 0x2C020304 } };
    for (const Case& c : cases) {
        DWORD shown = 1;
        CDialogDriver driver(kTitle, [&](HWND dialog) {
            shown = AddressOf(dialog);
            CDialogDriver::Press(dialog, IDCANCEL);
        });
        CString address = c.given;
        EXPECT_FALSE(CIpPrompter::Prompt(nullptr, address));
        ASSERT_TRUE(driver.Acted());
        EXPECT_EQ(shown, c.shown) << "given \"" << c.given << "\"";
        EXPECT_EQ(address, c.given) << "a cancel hands the text back untouched";
    }
}
