#include "DialogDriver.h"
#include "PreservedFile.h"
#include "ScratchFolder.h"
#include "StandInBrowser.h"

#include "res/resource.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// What the about box showed.
struct SAboutView {
    std::string title;
    std::string product;
    std::string version;
    std::vector<std::string> columns;
    std::vector<int> widths;
    std::map<std::string, std::string> components;
    int rows = 0;
    bool bannerShown = false;
    bool bannerSpansTheDialog = false;
};

std::string ItemText(HWND list, int row, int column)
{
    char text[260] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

BOOL CALLBACK FindBanner(HWND child, LPARAM found)
{
    char className[16] = {};
    ::GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0 && (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP &&
        ::SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0))
        *reinterpret_cast<HWND*>(found) = child;
    return TRUE;
}

SAboutView Look(HWND dialog)
{
    SAboutView view;
    char text[256] = {};
    ::GetWindowTextA(dialog, text, sizeof text);
    view.title = text;
    ::GetDlgItemTextA(dialog, IDC_ABOUT_PRODUCT, text, sizeof text);
    view.product = text;
    ::GetDlgItemTextA(dialog, IDC_ABOUT_VERSION, text, sizeof text);
    view.version = text;

    HWND list = ::GetDlgItem(dialog, IDC_ABOUT_COMPONENTS);
    for (int column = 0;; ++column) {
        char heading[64] = {};
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.pszText = heading;
        info.cchTextMax = sizeof heading;
        if (!::SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info)))
            break;
        view.columns.push_back(heading);
        view.widths.push_back(info.cx);
    }
    view.rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < view.rows; ++row)
        view.components[ItemText(list, row, 0)] = ItemText(list, row, 1);
    HWND banner = nullptr;
    ::EnumChildWindows(dialog, FindBanner, reinterpret_cast<LPARAM>(&banner));
    view.bannerShown = banner != nullptr;
    // Whatever the dialog font makes of the dialog's width, the banner fills it.
    RECT bannerRect = {}, client = {};
    ::GetClientRect(banner, &bannerRect);
    ::GetClientRect(dialog, &client);
    view.bannerSpansTheDialog = banner && bannerRect.right == client.right;
    return view;
}

class AboutDialogTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ::RemoveDirectoryA(folderNamedLikeALibrary.c_str());
        ::DeleteFileA(fakeLibrary.c_str());
    }

    const std::string appFolder = UDirectoryUtils::GetAppDirectory();
    const std::string folderNamedLikeALibrary = appFolder + "plugins.dll";
    const std::string fakeLibrary = appFolder + "unversioned.dll";
};

TEST_F(AboutDialogTest, ListsTheLibrariesBesideTheProgramWithTheirVersions)
{
    ASSERT_TRUE(::CreateDirectoryA(folderNamedLikeALibrary.c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(fakeLibrary, "not a program"));

    SAboutView view;
    CDialogDriver driver("About Tarnwell Test Product", [&](HWND dialog) {
        view = Look(dialog);
        CDialogDriver::Press(dialog, IDOK);
    });
    CAboutDialog::About("Tarnwell Test Product");
    ASSERT_TRUE(driver.Acted());

    EXPECT_EQ(view.product, "Tarnwell Test Product");
    EXPECT_EQ(view.version, "") << "the test program carries no version resource";
    EXPECT_TRUE(view.bannerShown);
    EXPECT_TRUE(view.bannerSpansTheDialog);
    EXPECT_EQ(view.columns, (std::vector<std::string>{"Component", "Version"}));
    EXPECT_EQ(view.widths, (std::vector<int>{240, 80}));

    const std::string version = CVersion((appFolder + "tnwmfcut.dll").c_str()).GetVersionText();
    EXPECT_FALSE(version.empty());
    for (const char* library : {"tnwmfcut.dll", "afx.dll", "tnwwndut.dll", "tnwbscut.dll"})
        EXPECT_EQ(view.components[library], version) << library;
    EXPECT_EQ(view.components.count("unversioned.dll"), 1u);
    EXPECT_EQ(view.components["unversioned.dll"], "");
    EXPECT_EQ(view.components.count("plugins.dll"), 0u) << "a folder is no library";
    EXPECT_EQ(static_cast<size_t>(view.rows), view.components.size());
}

TEST_F(AboutDialogTest, TheRunningApplicationsBoxAndItsMoreButton)
{
    PreservedFile links(static_cast<const char*>(UWebAddresses::GetLinksFile()));
    ASSERT_TRUE(UDirectoryUtils::EstablishPath(links.Path().c_str()));
    ASSERT_TRUE(WriteWholeFile(links.Path(), "[Link]\r\nAudioConverter=http://127.0.0.1:8/audio\r\n"));
    StandInBrowser browser;
    StApplicationId converter(2);

    SAboutView view;
    CDialogDriver driver("About Tarnwell Audio Converter", [&](HWND dialog) {
        view = Look(dialog);
        CDialogDriver::Press(dialog, IDC_ABOUT_MORE);
        CDialogDriver::Press(dialog, IDOK);
    });
    CAboutDialog::About();
    ASSERT_TRUE(driver.Acted());
    EXPECT_EQ(view.product, "Tarnwell Audio Converter");
    EXPECT_EQ(browser.WaitForOpened(1), std::vector<std::string>{"http://127.0.0.1:8/audio"});
}

} // namespace
