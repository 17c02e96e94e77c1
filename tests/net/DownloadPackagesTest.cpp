#include "DialogDriver.h"

#include "res/resource.h"
#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A package that tells when it is deleted.
class CWatchedPackage : public CDownloadPackage {
public:
    CWatchedPackage(const char* name, bool necessary, bool* deleted = nullptr) : mDeleted(deleted)
    {
        SetName(name);
        SetNecessary(necessary);
        SetDescription((std::string("About ") + name).c_str());
    }
    ~CWatchedPackage() override
    {
        if (mDeleted)
            *mDeleted = true;
    }

private:
    bool* mDeleted;
};

// Whether the control is meant to show (the dialog itself is not shown).
bool Shown(HWND dialog, int id)
{
    return (::GetWindowLongA(::GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

std::vector<std::string> Rows(CListCtrl& list)
{
    std::vector<std::string> rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows.push_back(static_cast<LPCSTR>(list.GetItemText(row, 0)));
    return rows;
}

TEST(DownloadListTest, NamesAreUniqueAndTheNecessaryListNeverPointsAtDeletedPackages)
{
    CDownloadList list;
    bool xvidDeleted = false;
    bool twinDeleted = false;
    auto* xvid = new CWatchedPackage("Xvid Codec", true, &xvidDeleted);
    list.AddDownload(xvid);
    list.AddDownload(xvid);
    EXPECT_FALSE(xvidDeleted) << "adding a listed package again keeps it";
    list.AddDownload(new CWatchedPackage("Xvid Codec", false, &twinDeleted));
    EXPECT_TRUE(twinDeleted) << "a second package of that name is not taken";
    list.AddDownload(new CWatchedPackage("AC-3 Decoder", false));
    ASSERT_EQ(list.GetDownloadCount(), 2);
    EXPECT_EQ(list.GetNecessaryDownloads().GetItemCount(), 1);
    EXPECT_EQ(list.GetDownload("AC-3 Decoder"), list.GetDownload(1));

    // Copies, clones and loaded lists record no necessary package.
    CDownloadList copy;
    copy.AddDownload(new CWatchedPackage("QuickTime", true));
    copy = list;
    EXPECT_EQ(copy.GetNecessaryDownloads().GetItemCount(), 0);
    ASSERT_EQ(copy.GetDownloadCount(), 2);
    EXPECT_NE(copy.GetDownload(0), xvid);
    std::unique_ptr<CPersistObject> clone(list.Clone());
    EXPECT_EQ(static_cast<CDownloadList*>(clone.get())->GetNecessaryDownloads().GetItemCount(), 0);

    CPersistStorage saved;
    list.Save("Settings", saved);
    unsigned long size = 0;
    unsigned char* image = saved.GetData(size);
    CPersistStorage loading;
    loading.SetData(image, size);
    CDownloadList loaded;
    loaded.AddDownload(new CWatchedPackage("QuickTime", true));
    loaded.Load("Settings", loading);
    EXPECT_EQ(loaded.GetNecessaryDownloads().GetItemCount(), 0);
    ASSERT_EQ(loaded.GetDownloadCount(), 2);
    EXPECT_EQ(loaded.GetDownload(0)->GetName(), "Xvid Codec");
    EXPECT_TRUE(loaded.GetDownload(0)->GetNecessary());
    EXPECT_EQ(loaded.GetDownload(0)->GetDescription(), "About Xvid Codec");
    EXPECT_FALSE(loaded.GetDownload(1)->GetNecessary());

    list.RemoveDownload(xvid);
    EXPECT_FALSE(xvidDeleted);
    EXPECT_EQ(list.GetDownloadCount(), 1);
    EXPECT_EQ(list.GetNecessaryDownloads().GetItemCount(), 0);
    delete xvid;
}

class DownloadDialogTest : public ::testing::Test {
protected:
    void Open(CDownloadList* downloads)
    {
        dialog.SetTitle("Codecs");
        dialog.SetPrompt("Choose what to download.");
        dialog.SetNoItemText("Nothing to download.");
        dialog.SetDownloads(downloads);
        ASSERT_TRUE(dialog.Create(IDD_TNW_DOWNLOAD));
    }
    void TearDown() override
    {
        if (dialog.GetSafeHwnd())
            dialog.DestroyWindow();
    }

    void Click(int id) { dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, id))); }

    CDownloadDialog dialog;
};

TEST_F(DownloadDialogTest, ShowsTheNecessaryPackagesAndWhatTheUserPicks)
{
    CDownloadList downloads;
    downloads.AddDownload(new CWatchedPackage("Xvid Codec", true));
    downloads.AddDownload(new CWatchedPackage("AC-3 Decoder", true));
    downloads.AddDownload(new CWatchedPackage("Real Alternative", false));
    dialog.SetStartup("Check at start-up", true);
    Open(&downloads);
    CDownloadsListControl& list = dialog.GetListControl();

    CString title;
    dialog.GetWindowText(title);
    EXPECT_EQ(std::string(title) + "|" + CDialogDriver::TextOf(dialog.m_hWnd, IDC_TNW_PROMPT), "Codecs|Choose what to download.");
    EXPECT_EQ(Rows(list), (std::vector<std::string>{ "Xvid Codec", "AC-3 Decoder" }));
    EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_TNW_SHOW_ADDITIONAL));
    EXPECT_TRUE(Shown(dialog.m_hWnd, IDC_TNW_CHECK_STARTUP));
    EXPECT_EQ(CDialogDriver::TextOf(dialog.m_hWnd, IDC_TNW_CHECK_STARTUP), "Check at start-up");
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_TNW_CHECK_STARTUP));
    EXPECT_TRUE(list.GetCheck(0));

    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(CDialogDriver::TextOf(dialog.m_hWnd, IDC_TNW_DOWNLOAD_DESCRIPTION), "About AC-3 Decoder");
    list.SetCheck(0, FALSE);
    EXPECT_FALSE(downloads.GetDownload(0)->GetSelected()) << "unticking a row deselects its package";
    downloads.GetDownload(0)->SetName("Xvid 1.3");
    EXPECT_EQ(Rows(list)[0], "Xvid 1.3") << "a renamed package rewrites its row";

    dialog.CheckDlgButton(IDC_TNW_SHOW_ADDITIONAL, BST_CHECKED);
    Click(IDC_TNW_SHOW_ADDITIONAL);
    EXPECT_TRUE(dialog.GetShowAdditional());
    EXPECT_EQ(Rows(list), (std::vector<std::string>{ "Xvid 1.3", "AC-3 Decoder", "Real Alternative" }));
    ::SendDlgItemMessageA(dialog.m_hWnd, IDC_TNW_CHECK_STARTUP, BM_CLICK, 0, 0); // as the user clicks it
    EXPECT_FALSE(dialog.GetStartup());
}

TEST_F(DownloadDialogTest, WithoutNecessaryPackagesItShowsThemAllAndWithoutAnyTheNoItemText)
{
    CDownloadList downloads;
    downloads.AddDownload(new CWatchedPackage("Real Alternative", false));
    downloads.AddDownload(new CWatchedPackage("QuickTime", false));
    Open(&downloads);
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_TNW_SHOW_ADDITIONAL));
    EXPECT_EQ(Rows(dialog.GetListControl()).size(), 2u);
    EXPECT_FALSE(Shown(dialog.m_hWnd, IDC_TNW_CHECK_STARTUP)) << "no start-up label";
    EXPECT_EQ(CDialogDriver::TextOf(dialog.m_hWnd, IDC_TNW_DOWNLOAD_DESCRIPTION), "");
    dialog.DestroyWindow();

    CDownloadList empty;
    Open(&empty);
    EXPECT_EQ(CDialogDriver::TextOf(dialog.m_hWnd, IDC_TNW_DOWNLOAD_DESCRIPTION), "Nothing to download.");
    dialog.DestroyWindow();

    Open(nullptr);
    EXPECT_EQ(CDialogDriver::TextOf(dialog.m_hWnd, IDC_TNW_DOWNLOAD_DESCRIPTION), "Nothing to download.");
    EXPECT_EQ(dialog.GetListControl().GetItemCount(), 0);
}

} // namespace
