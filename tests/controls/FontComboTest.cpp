#include "controls/FontCombo.h"
#include "controls/FontSizeCombo.h"

#include "GdiObjectCount.h"
#include "MemoryCanvas.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using FaceAndScript = std::pair<std::string, BYTE>;

// What the system reports for every font family of every character set, each face and
// script once.
int CALLBACK CollectFont(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param)
{
    reinterpret_cast<std::set<FaceAndScript>*>(param)->emplace(font->lfFaceName, font->lfCharSet);
    return 1;
}

std::set<FaceAndScript> InstalledFonts()
{
    std::set<FaceAndScript> fonts;
    HDC screen = ::GetDC(nullptr);
    LOGFONTA all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(screen, &all, CollectFont, reinterpret_cast<LPARAM>(&fonts), 0);
    ::ReleaseDC(nullptr, screen);
    return fonts;
}

// A font combo box that remembers the item data of every item the combo box forgot.
class CWatchedFontCombo : public CFontCombo {
public:
    std::vector<ULONG_PTR> forgotten;

    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override
    {
        forgotten.push_back(lpDeleteItemStruct->itemData);
        CFontCombo::DeleteItem(lpDeleteItemStruct);
    }
};

class FontComboTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "font parent", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr));
        ASSERT_TRUE(fonts.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 250, 200), &parent, 31));
    }

    CWnd parent;
    CWatchedFontCombo fonts;
};

} // namespace

TEST_F(FontComboTest, ListsEachInstalledFaceOncePerScriptInOrder)
{
    const std::set<FaceAndScript> installed = InstalledFonts();
    ASSERT_FALSE(installed.empty());
    std::multiset<FaceAndScript> listed;
    std::set<std::string> scripts;
    for (int index = 0; index < fonts.GetCount(); ++index) {
        const CFontEntry* entry = fonts.GetEntry(index);
        ASSERT_NE(entry, nullptr);
        listed.emplace(entry->GetLogFont().lfFaceName, entry->GetLogFont().lfCharSet);
        scripts.insert(reinterpret_cast<const char*>(entry->GetFont().elfScript));
        EXPECT_EQ(entry->GetLogFont().lfHeight, 90) << "made at 9 points";
        if (index > 0) {
            EXPECT_LE(fonts.GetEntry(index - 1)->GetFontName().Compare(entry->GetFontName()), 0) << index;
        }
    }
    EXPECT_EQ(std::set<FaceAndScript>(listed.begin(), listed.end()), installed);
    EXPECT_EQ(listed.size(), installed.size()) << "no face and script twice";

    // A face in several scripts is found in each, by its exact name only.
    const FaceAndScript& first = *installed.begin();
    const int index = fonts.SelectFont(first.first.c_str(), first.second);
    ASSERT_GE(index, 0);
    EXPECT_EQ(fonts.GetCurSel(), index);
    EXPECT_EQ(fonts.GetSelectedFontInfo(), fonts.GetFontInfo(index));
    EXPECT_STREQ(fonts.GetFontInfo(first.first.c_str(), first.second)->lfFaceName, first.first.c_str());
    EXPECT_EQ(fonts.GetEntry(index)->GetFontName(),
              CString(first.first.c_str()) + " (" + reinterpret_cast<const char*>(fonts.GetEntry(index)->GetFont().elfScript) + ")");
    std::string otherCase = first.first;
    for (char& c : otherCase) {
        const int letter = static_cast<unsigned char>(c);
        c = static_cast<char>(std::isupper(letter) ? std::tolower(letter) : std::toupper(letter));
    }
    EXPECT_EQ(fonts.GetFontIndex(otherCase.c_str(), first.second), -1);
    EXPECT_EQ(fonts.SelectFont("No Such Face", 0), -1);
    EXPECT_EQ(fonts.GetCurSel(), CB_ERR);
    EXPECT_EQ(fonts.GetFontInfo(-1), nullptr);
}

TEST_F(FontComboTest, DrawsEveryFontWithoutKeepingDrawingObjectsAndFreesEachEntryOnce)
{
    ASSERT_GT(fonts.GetCount(), 0);
    CMemoryCanvas canvas(250, 20, RGB(0, 0, 0));
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_COMBOBOX;
    item.CtlID = 31;
    item.hwndItem = fonts.m_hWnd;
    item.hDC = canvas.DC().m_hDC;
    item.rcItem = { 0, 0, 250, 20 };
    const unsigned before = CountGdiObjects();
    for (int paint = 0; paint < 1000; ++paint) {
        item.itemID = static_cast<UINT>(paint % fonts.GetCount());
        item.itemState = paint % 2 ? ODS_SELECTED : 0;
        parent.SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    }
    EXPECT_EQ(CountGdiObjects(), before);
    EXPECT_EQ(canvas.Pixel(249, 0), CDrawComboBox::kSelectedColor) << "the last item was drawn selected";
    item.itemID = static_cast<UINT>(-1);
    item.itemState = 0;
    parent.SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(canvas.Pixel(249, 0), RGB(255, 255, 255));

    // Each entry is freed once.
    fonts.DeleteString(0);
    ASSERT_EQ(fonts.forgotten.size(), 1u);
    EXPECT_NE(fonts.forgotten[0], 0u) << "a removed item's entry is freed with it";

    fonts.forgotten.clear();
    fonts.ResetFonts();
    EXPECT_EQ(fonts.GetCount(), 0);
    for (ULONG_PTR data : fonts.forgotten)
        EXPECT_EQ(data, 0u) << "ResetFonts freed the entry already";

    fonts.LoadFonts();
    ASSERT_GT(fonts.GetCount(), 0);
    fonts.forgotten.clear();
    fonts.DestroyWindow();
    for (ULONG_PTR data : fonts.forgotten)
        EXPECT_EQ(data, 0u);
}

TEST_F(FontComboTest, TheSizeComboOffersTheUsualSizesAndShowsAnyOther)
{
    CFontSizeCombo sizes;
    ASSERT_TRUE(sizes.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 80, 200), &parent, 41));
    // The entry chosen and the size shown.
    auto shown = [&] { return std::make_pair(sizes.GetCurSel(), sizes.GetSize()); };
    ASSERT_EQ(sizes.GetCount(), 17);
    EXPECT_EQ(shown(), std::make_pair(4, 12)) << "12 is chosen from the start";
    sizes.Select(15);
    EXPECT_EQ(shown(), std::make_pair(CB_ERR, 15)) << "15 is not listed";
    sizes.SetSize(36);
    EXPECT_EQ(shown(), std::make_pair(14, 36));
    sizes.SetWindowText("big");
    EXPECT_EQ(sizes.GetSize(), 0);

    // A drop-down list has no text of its own beyond its entry, yet shows the size.
    CFontSizeCombo list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, CRect(0, 0, 80, 200),
                            &parent, 42));
    list.Select(15);
    EXPECT_EQ(list.GetSize(), 15);
}
