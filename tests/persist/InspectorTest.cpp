#include "AllValues.h"

#include "DialogDriver.h"
#include "ScratchSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Rows(HWND listWindow)
{
    CListCtrl* list = static_cast<CListCtrl*>(CWnd::FromHandle(listWindow));
    std::vector<std::string> rows;
    for (int row = 0; row < list->GetItemCount(); ++row)
        rows.push_back(std::string(list->GetItemText(row, 0)) + "=" + std::string(list->GetItemText(row, 1)));
    return rows;
}

// Every item as "text" under its parent's, indented by two blanks a level.
void Walk(CTreeCtrl& tree, HTREEITEM parent, const std::string& indent, std::vector<std::string>& items)
{
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
        items.push_back(indent + std::string(tree.GetItemText(item)));
        Walk(tree, item, indent + "  ", items);
    }
}

std::vector<std::string> Items(HWND treeWindow)
{
    std::vector<std::string> items;
    Walk(*static_cast<CTreeCtrl*>(CWnd::FromHandle(treeWindow)), TVI_ROOT, "", items);
    return items;
}

const std::vector<std::string> kExtremeValues = {
    "Flag=1", "Signed 8=-1", "Unsigned 8=255", "Signed 16=-32768", "Unsigned 16=65535",
    "Signed 32=-2147483648", "Unsigned 32=-1", "Single=0.250000", "Double=-123456.789000",
    "Title=Holiday clip & friends > 2 GB", "Output Folder=C:\\Media Files\\Converted Clips\\",
    "Block Size=3", "Block=000102",
};

} // namespace

TEST(InspectorStorages, TheListShowsEveryValueInSaveOrderAndTheTreeEveryObjectAsANode)
{
    CWnd host; // hidden, with a report list and a tree to fill
    ASSERT_TRUE(host.CreateEx(0, "STATIC", "host", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr));
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 300), &host, 1));
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD, CRect(0, 0, 300, 300), &host, 2));
    CListControlPersistStorage storage("Object", list);
    CAllValues extremes = CAllValues::Extremes(3);
    extremes.Save("Settings", storage);
    CAllValues zeros;
    zeros.Save("Defaults", storage);

    std::vector<std::string> expected = { "Settings=" };
    expected.insert(expected.end(), kExtremeValues.begin(), kExtremeValues.end());
    expected.insert(expected.end(), { "Last Entry=", "name=Preset Name", "value=High quality, 1280 x 720",
                                      "Defaults=", "Flag=0", "Signed 8=0", "Unsigned 8=0", "Signed 16=0",
                                      "Unsigned 16=0", "Signed 32=0", "Unsigned 32=0", "Single=0.000000",
                                      "Double=0.000000", "Title=", "Output Folder=", "Block Size=0", "Block=",
                                      "Last Entry=", "name=", "value=" });
    EXPECT_EQ(Rows(list.m_hWnd), expected) << "no version rows, no 64-bit rows, zeros and empty texts shown";
    EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 2) << "the columns are made once";

    // The tree shows a node for each object and a leaf for each value.
    CTreeControlPersistStorage treeStorage("Object", tree);
    extremes.Save("Settings", treeStorage);
    expected = { "Settings", "  ObjectVersion: 01000000" };
    for (const std::string& row : kExtremeValues)
        expected.push_back("  " + row.substr(0, row.find('=')) + ": " + row.substr(row.find('=') + 1));
    expected.insert(expected.end(), { "  Last Entry", "    ObjectVersion: 01000000", "    name: Preset Name",
                                      "    value: High quality, 1280 x 720" });
    EXPECT_EQ(Items(tree.m_hWnd), expected);
    EXPECT_TRUE(tree.GetItemState(tree.GetRootItem(), TVIS_EXPANDED)) << "whatever was saved is in view";
    zeros.Save("Second", treeStorage);
    EXPECT_EQ(Items(tree.m_hWnd).at(expected.size()), "Second") << "the next object is a root item again";
}

TEST(InspectorDialogs, ShowWhatTheObjectSavesUntilClosed)
{
    CObjectInspectorDialog::ShowObject(nullptr);
    CObjectPropertyDialog::ShowObject(nullptr);

    CAllValues object = CAllValues::Extremes(3);
    std::vector<std::string> items, rows;
    {
        CDialogDriver driver("Object Inspector", [&](HWND dialog) {
            items = Items(::GetDlgItem(dialog, 10088));
            CDialogDriver::Press(dialog, IDOK);
        });
        CObjectInspectorDialog::ShowObject(&object);
        EXPECT_TRUE(driver.Acted());
    }
    items.resize(2);
    EXPECT_EQ(items, (std::vector<std::string>{ "Object", "  ObjectVersion: 01000000" }));

    CObjectPropertyDialog dialog;
    dialog.SetObject(&object);
    for (int showing = 0; showing < 2; ++showing) {
        CDialogDriver driver("Object Inspector", [&](HWND shown) {
            rows = Rows(::GetDlgItem(shown, 10089));
            CDialogDriver::Press(shown, IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), IDOK);
        EXPECT_TRUE(driver.Acted());
        EXPECT_EQ(rows.size(), kExtremeValues.size() + 4) << "showing " << showing;
        rows.resize(2);
        EXPECT_EQ(rows, (std::vector<std::string>{ "Object=", "Flag=1" })) << "showing " << showing;
    }
}

TEST(PersistDataHost, ActsOnItsObjectInTheDefaultFile)
{
    class CHost : public CPersistDataHost {
    public:
        void Hold(CPersistObject* object) { mObject = object; }
    } host;
    EXPECT_FALSE(host.SaveData()) << "without an object nothing is asked";
    EXPECT_FALSE(host.SaveDefault());
    EXPECT_EQ(host.GetFileDescription(), "Data");
    {
        StApplicationId converter(1);
        EXPECT_EQ(host.GetFileDescription(), "Tarnwell Video Converter data");
    }
    EXPECT_EQ(host.GetDefaultFileName(), "Data.xml");

    ScratchSettings store;
    const std::string path = UDirectoryUtils::GetUserAppDataDirectory() + "Data.xml";
    CAllValues saved = CAllValues::Extremes(3);
    host.Hold(&saved);
    EXPECT_TRUE(host.SaveDefault());
    CAllValues loaded;
    host.Hold(&loaded);
    EXPECT_TRUE(host.LoadDefault());
    EXPECT_EQ(loaded.Describe(), saved.Describe());
    ::DeleteFileA(path.c_str());
    ::RemoveDirectoryA(UDirectoryUtils::GetUserAppDataDirectory().c_str());
}
