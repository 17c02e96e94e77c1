#include "PreservedFile.h"
#include "ScratchFolder.h"
#include "StandInBrowser.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const unsigned int kFirstId = 0x9000;

// Categories, download groups and per-application switches as an installer writes them,
// for the screen recorder (application 3) as the running application.
const char kLinks[] =
    "[Category 0]\r\nname=Converters\r\n0=VideoConverter\r\n1=AudioConverter\r\n"
    "[Category 1]\r\nname=Recorders\r\n0=ScreenRecorder\r\n"
    "[Category 2]\r\nname=\r\n0=AudioRecorder\r\n"
    "[Category 3]\r\nname=After the gap\r\n0=VideoCapture\r\n"
    "[Download 0]\r\n0=DirectX\r\n1=Voices\r\n2=QuickTime\r\n"
    "[Download 1]\r\n0=AC-3 Decoder\r\n1=Xvid Codec\r\n3=ASPI\r\n"
    "[DirectX]\r\ndefault=1\r\n"
    "[Voices]\r\ndefault=0\r\n"
    "[QuickTime]\r\ndefault=0\r\nScreenRecorder=1\r\n"
    "[AC-3 Decoder]\r\ndefault=1\r\nScreenRecorder=0\r\n"
    "[Xvid Codec]\r\ndefault=1\r\n"
    "[ASPI]\r\ndefault=1\r\n"
    "[Link]\r\nXvid Codec=http://127.0.0.1:8/xvid\r\n";

// One top-level item: its title, and the texts and ids of its items (sub-menus by title
// with id -1, separators as empty texts with id 0).
struct SMenuItem {
    std::string text;
    UINT id;
    bool operator==(const SMenuItem& other) const { return text == other.text && id == other.id; }
};

std::vector<SMenuItem> ItemsOf(CMenu* menu)
{
    std::vector<SMenuItem> items;
    for (UINT i = 0; i < menu->GetMenuItemCount(); ++i) {
        CString text;
        menu->GetMenuString(i, text, MF_BYPOSITION);
        items.push_back({static_cast<const char*>(text), menu->GetMenuItemID(static_cast<int>(i))});
    }
    return items;
}

std::vector<std::string> TitlesOf(CMenu* bar)
{
    std::vector<std::string> titles;
    for (const SMenuItem& item : ItemsOf(bar))
        titles.push_back(item.text);
    return titles;
}

class CMenuFrame : public CFrameWnd {
public:
    explicit CMenuFrame(std::vector<const char*> titles)
    {
        HMENU bar = ::CreateMenu();
        for (const char* title : titles)
            ::AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), title);
        Create(nullptr, "pool menus", WS_OVERLAPPEDWINDOW, rectDefault, nullptr, nullptr);
        ::SetMenu(m_hWnd, bar);
    }
};

class ApplicationPoolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UDirectoryUtils::EstablishPath(links.Path().c_str()));
        ASSERT_TRUE(WriteWholeFile(links.Path(), kLinks));
    }

    void TearDown() override
    {
        for (CMenuFrame* frame : frames)
            frame->DestroyWindow();
        CMenu::DeleteTempMap();
        CWnd::DeleteTempMap();
    }

    CMenuFrame* NewFrame(std::vector<const char*> titles = {"&File", "&Help"})
    {
        frames.push_back(new CMenuFrame(std::move(titles)));
        return frames.back();
    }

    PreservedFile links{static_cast<const char*>(UWebAddresses::GetLinksFile())};
    std::vector<CMenuFrame*> frames;
};

TEST_F(ApplicationPoolTest, ReadsCategoriesAndShownDownloads)
{
    StApplicationId recorder(3);
    CApplicationPool pool(kFirstId);
    ASSERT_EQ(pool.GetCategoryCount(), 2) << "a category without a name ends the list";
    EXPECT_EQ(pool.GetCategory(0)->GetName(), "Converters");
    EXPECT_EQ(pool.GetCategory(0)->GetEntryCount(), 2);
    EXPECT_EQ(pool.GetCategory(1)->GetName(), "Recorders");

    CDownloadCategory& first = pool.GetDownloadCategory(0);
    EXPECT_EQ(first.GetName(), "Download 0");
    ASSERT_EQ(first.GetEntryCount(), 2) << "Voices is hidden by default";
    EXPECT_EQ(first.GetEntry(0)->GetTag(), "DirectX");
    EXPECT_EQ(first.GetEntry(1)->GetTag(), "QuickTime") << "shown for this application only";
    CDownloadCategory& second = pool.GetDownloadCategory(1);
    EXPECT_EQ(second.GetName(), "Download 1");
    ASSERT_EQ(second.GetEntryCount(), 1) << "AC-3 is hidden here, and a gap ends the group";
    EXPECT_EQ(second.GetEntry(0)->GetTag(), "Xvid Codec");
}

TEST_F(ApplicationPoolTest, AddsBothMenusBeforeTheLastWithConsecutiveIds)
{
    StApplicationId recorder(3);
    CApplicationPool pool(kFirstId);
    CMenuFrame* frame = NewFrame();
    pool.SetupMenu(frame);

    CMenu* bar = frame->GetMenu();
    EXPECT_EQ(TitlesOf(bar), (std::vector<std::string>{"&File", "Download", "Demo", "&Help"}));
    EXPECT_EQ(ItemsOf(bar->GetSubMenu(1)), (std::vector<SMenuItem>{{"DirectX", kFirstId},
                                                                   {"QuickTime", kFirstId + 1},
                                                                   {"", 0},
                                                                   {"Xvid Codec", kFirstId + 2}}));
    CMenu* demo = bar->GetSubMenu(2);
    EXPECT_EQ(TitlesOf(demo), std::vector<std::string>{"Converters"})
        << "the recorders' only entry is this application itself";
    EXPECT_EQ(ItemsOf(demo->GetSubMenu(0)), (std::vector<SMenuItem>{{"VideoConverter", kFirstId + 3},
                                                                    {"AudioConverter", kFirstId + 4}}));
    EXPECT_EQ(pool.GetCategory(1)->GetEntry(0)->GetCommandId(), 0u) << "a hidden entry gets no id";

    pool.SetupMenu(frame);
    EXPECT_EQ(TitlesOf(bar), (std::vector<std::string>{"&File", "Download", "Demo", "&Help"}))
        << "a second call adds nothing";
    EXPECT_EQ(bar->GetSubMenu(1)->GetMenuItemID(0), kFirstId);
}

TEST_F(ApplicationPoolTest, MenusAlreadyThereAreNotAddedAgain)
{
    StApplicationId recorder(3);
    CApplicationPool pool(kFirstId);
    CMenuFrame* frame = NewFrame({"&File", "Download", "Demo", "&Help"});
    pool.SetupMenu(frame);
    EXPECT_EQ(TitlesOf(frame->GetMenu()), (std::vector<std::string>{"&File", "Download", "Demo", "&Help"}));
    EXPECT_EQ(frame->GetMenu()->GetSubMenu(1)->GetMenuItemCount(), 0u);
}

TEST_F(ApplicationPoolTest, WithoutLinksOrMenuNothingIsAdded)
{
    StApplicationId recorder(3);
    ::DeleteFileA(links.Path().c_str());
    CApplicationPool empty(kFirstId);
    CMenuFrame* frame = NewFrame();
    empty.SetupMenu(frame);
    EXPECT_EQ(TitlesOf(frame->GetMenu()), (std::vector<std::string>{"&File", "&Help"}));
    unsigned int nextId = kFirstId;
    EXPECT_EQ(empty.BuildDownloadMenu(nextId), nullptr);
    EXPECT_EQ(empty.BuildDemoMenu(nextId), nullptr);
    EXPECT_EQ(nextId, kFirstId);

    ASSERT_TRUE(WriteWholeFile(links.Path(), kLinks));
    CApplicationPool pool(kFirstId);
    CMenuFrame* single = NewFrame({"&File"});
    pool.SetupMenu(single);
    EXPECT_EQ(TitlesOf(single->GetMenu()), std::vector<std::string>{"&File"}) << "fewer than two items";
    pool.SetupMenu(nullptr);
}

TEST_F(ApplicationPoolTest, WithoutApplicationIdentityNoDownloadsAreRead)
{
    StApplicationId none(0);
    CApplicationPool pool(kFirstId);
    EXPECT_EQ(pool.GetDownloadCategory(0).GetEntryCount(), 0);
    EXPECT_EQ(pool.GetDownloadCategory(1).GetEntryCount(), 0);
    EXPECT_EQ(pool.GetCategoryCount(), 2) << "the Demo menu needs no identity";
}

TEST_F(ApplicationPoolTest, CategoriesComeAndGo)
{
    StApplicationId recorder(3);
    CApplicationPool pool(kFirstId);
    auto* extra = new CApplicationCategory("Extra");
    pool.AddCategory(extra);
    EXPECT_EQ(pool.GetCategoryCount(), 3);
    pool.RemoveCategory(extra);
    EXPECT_EQ(pool.GetCategoryCount(), 2);
    delete extra;
    pool.Reset();
    EXPECT_EQ(pool.GetCategoryCount(), 0);
    unsigned int nextId = kFirstId;
    EXPECT_EQ(pool.BuildDemoMenu(nextId), nullptr);
}

TEST_F(ApplicationPoolTest, CommandsOpenTheirLinks)
{
    StApplicationId recorder(3);
    StandInBrowser browser;
    CApplicationPool pool(kFirstId);
    CMenuFrame* frame = NewFrame();
    pool.SetupMenu(frame);

    pool.RunCommand(kFirstId + 2);
    EXPECT_EQ(browser.WaitForOpened(1), std::vector<std::string>{"http://127.0.0.1:8/xvid"});
    pool.RunCommand(0);
    pool.RunCommand(kFirstId + 5);
    pool.RunCommand(kFirstId - 1);
    pool.RunCommand(kFirstId + 3);
    EXPECT_EQ(browser.WaitForOpened(2), (std::vector<std::string>{"http://127.0.0.1:8/xvid", UWebAddresses::kHomePage}))
        << "only known ids open a page; an unknown tag leads home";
}

} // namespace
