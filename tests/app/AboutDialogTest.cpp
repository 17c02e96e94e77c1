#include "DialogDriver.h"
#include "ScratchFolder.h"

#include "res/resource.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

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

// The columns as "title width" pairs, then the rows as name=version, in list order.
std::string LookAtComponents(HWND dialog, std::map<std::string, std::string>& components)
{
    HWND list = ::GetDlgItem(dialog, IDC_ABOUT_COMPONENTS);
    std::string columns;
    char heading[64] = {};
    LVCOLUMNA info = {};
    info.mask = LVCF_TEXT | LVCF_WIDTH;
    info.pszText = heading;
    info.cchTextMax = sizeof heading;
    for (int column = 0; ::SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info)); ++column)
        columns += std::string(heading) + " " + std::to_string(info.cx) + ";";
    const int rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row)
        components[ItemText(list, row, 0)] = ItemText(list, row, 1);
    return columns + std::to_string(rows) + " rows";
}

// Whatever the dialog font makes of the dialog's width, the banner (the first control,
// showing a bitmap) fills it.
bool BannerSpansTheDialog(HWND dialog)
{
    HWND banner = ::GetWindow(dialog, GW_CHILD);
    RECT bannerRect = {}, client = {};
    return ::SendMessageA(banner, STM_GETIMAGE, IMAGE_BITMAP, 0) && ::GetClientRect(banner, &bannerRect) &&
           ::GetClientRect(dialog, &client) && bannerRect.right == client.right;
}

TEST(AboutDialogTest, ListsTheLibrariesBesideTheProgramWithTheirVersions)
{
    const std::string appFolder = UDirectoryUtils::GetAppDirectory();
    const std::string folderNamedLikeALibrary = appFolder + "plugins.dll";
    const std::string fakeLibrary = appFolder + "unversioned.dll";
    ASSERT_TRUE(::CreateDirectoryA(folderNamedLikeALibrary.c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(fakeLibrary, "not a program"));

    std::string columns;
    std::map<std::string, std::string> components;
    std::string texts;
    bool bannerSpans = false;
    CDialogDriver driver("About Tarnwell Test Product", [&](HWND dialog) {
        columns = LookAtComponents(dialog, components);
        texts = CDialogDriver::TextOf(dialog, IDC_ABOUT_PRODUCT) + "|" + CDialogDriver::TextOf(dialog, IDC_ABOUT_VERSION);
        bannerSpans = BannerSpansTheDialog(dialog);
        CDialogDriver::Press(dialog, IDOK);
    });
    CAboutDialog::About("Tarnwell Test Product");
    ASSERT_TRUE(driver.Acted());
    ::RemoveDirectoryA(folderNamedLikeALibrary.c_str());
    ::DeleteFileA(fakeLibrary.c_str());

    EXPECT_TRUE(bannerSpans);
    EXPECT_EQ(texts, "Tarnwell Test Product|") << "the test program carries no version resource";
    EXPECT_EQ(columns, "Component 240;Version 80;" + std::to_string(components.size()) + " rows");
    const std::string libraryVersion = CVersion((appFolder + "tnwmfcut.dll").c_str()).GetVersionText();
    EXPECT_FALSE(libraryVersion.empty());
    for (const char* library : {"tnwmfcut.dll", "afx.dll", "tnwwndut.dll", "tnwbscut.dll"})
        EXPECT_EQ(components[library], libraryVersion) << library;
    EXPECT_EQ(components.count("unversioned.dll"), 1u);
    EXPECT_EQ(components["unversioned.dll"], "");
    EXPECT_EQ(components.count("plugins.dll"), 0u) << "a folder is no library";
}

} // namespace
