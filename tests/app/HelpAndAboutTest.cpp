#include "AppUnderTest.h"
#include "DialogDriver.h"
#include "ScratchFolder.h"
#include "StandInBrowser.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A frame whose commands end at the application, as in any application of the family.
class CPlainCommandFrame : public CFrameWnd {
public:
    CPlainCommandFrame() { Create(nullptr, "commands"); }
};

TEST(HelpAndAboutTest, HelpOpensHelpChmBesideTheProgram)
{
    const std::string help = UDirectoryUtils::GetAppDirectory() + "help.chm";
    ASSERT_TRUE(WriteWholeFile(help, "help"));
    {
        StandInBrowser viewer({".chm"});
        auto* frame = new CPlainCommandFrame;
        frame->SendMessage(WM_COMMAND, ID_HELP_FINDER);
        EXPECT_EQ(viewer.WaitForOpened(1), std::vector<std::string>{help});
        frame->DestroyWindow();
    }
    ::DeleteFileA(help.c_str());
}

TEST(HelpAndAboutTest, WebOpensTheMakersHomePage)
{
    StandInBrowser browser;
    AppUnderTest().Web();
    EXPECT_EQ(browser.WaitForOpened(1), std::vector<std::string>{UWebAddresses::kHomePage});
}

TEST(HelpAndAboutTest, TheAboutCommandShowsTheRunningApplicationsBox)
{
    std::string product;
    CDialogDriver driver("About test_app", [&](HWND dialog) {
        char text[128] = {};
        ::GetDlgItemTextA(dialog, IDC_ABOUT_PRODUCT, text, sizeof text);
        product = text;
        CDialogDriver::Press(dialog, IDOK);
    });
    auto* frame = new CPlainCommandFrame;
    frame->SendMessage(WM_COMMAND, ID_APP_ABOUT);
    frame->DestroyWindow();
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(product, "test_app");
}

} // namespace
