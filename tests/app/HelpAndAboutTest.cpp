#include "AppUnderTest.h"
#include "DialogDriver.h"
#include "PreservedFile.h"
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

TEST(HelpAndAboutTest, HelpOpensHelpChmWebTheHomePageAndAboutTheRunningApplicationsBoxWithItsPage)
{
    const std::string help = UDirectoryUtils::GetAppDirectory() + "help.chm";
    ASSERT_TRUE(WriteWholeFile(help, "help"));
    {
        StandInBrowser viewer({".chm"});
        auto* frame = new CPlainCommandFrame;
        frame->SendMessage(WM_COMMAND, ID_HELP_FINDER);
        EXPECT_EQ(viewer.WaitForOpened(1), std::vector<std::string>{help});
        frame->DestroyWindow();
        AppUnderTest().Web();
        EXPECT_EQ(viewer.WaitForOpened(2), (std::vector<std::string>{help, UWebAddresses::kHomePage}));
    }
    ::DeleteFileA(help.c_str());

    PreservedFile links(static_cast<const char*>(UWebAddresses::GetLinksFile()));
    ASSERT_TRUE(UDirectoryUtils::EstablishPath(links.Path().c_str()));
    ASSERT_TRUE(WriteWholeFile(links.Path(), "[Link]\r\nAudioConverter=http://127.0.0.1:8/audio\r\n"));
    StandInBrowser browser;
    StApplicationId converter(2);

    std::string product;
    CDialogDriver driver("About Tarnwell Audio Converter", [&](HWND dialog) {
        product = CDialogDriver::TextOf(dialog, IDC_ABOUT_PRODUCT);
        CDialogDriver::Press(dialog, IDC_ABOUT_MORE);
        CDialogDriver::Press(dialog, IDOK);
    });
    auto* frame = new CPlainCommandFrame;
    frame->SendMessage(WM_COMMAND, ID_APP_ABOUT);
    frame->DestroyWindow();
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(product, "Tarnwell Audio Converter");
    EXPECT_EQ(browser.WaitForOpened(1), std::vector<std::string>{"http://127.0.0.1:8/audio"});
}

} // namespace
