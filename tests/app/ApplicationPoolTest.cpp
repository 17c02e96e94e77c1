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

// The items of a menu as "text|text|...": a command as its text and "+n" for its id
// kFirstId + n, a separator as "-", a sub-menu by its title alone.
std::string Shown(CMenu* menu)
{
    std::string shown;
    for (UINT i = 0; i < menu->GetMenuItemCount(); ++i) {
        CString text;
        menu->GetMenuString(i, text, MF_BYPOSITION);
        const UINT id = menu->GetMenuItemID(static_cast<int>(i));
        shown += std::string(i ? "|" : "") + (id == 0 ? "-" : static_cast<const char*>(text));
        if (id != 0 && id != static_cast<UINT>(-1))
            shown += "+" + std::to_string(id - kFirstId);
    }
    return shown;
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

TEST_F(ApplicationPoolTest, AddsBothMenusBeforeTheLastOnceAndOnlyWithLinksMenuAndIdentity)
{
    StApplicationId recorder(3);
    CApplicationPool pool(kFirstId);
    CMenuFrame* frame = NewFrame();
    pool.SetupMenu(frame);
    CMenu* bar = frame->GetMenu();
    EXPECT_EQ(Shown(bar), "&File|Download|Demo|&Help");
    EXPECT_EQ(Shown(bar->GetSubMenu(1)), "DirectX+0|QuickTime+1|-|Xvid Codec+2")
        << "Voices hidden by default, QuickTime shown for this application, AC-3 hidden for it; a gap ends a group";
    EXPECT_EQ(Shown(bar->GetSubMenu(2)), "Converters")
        << "the recorders' only entry is this application itself; a category without a name ends the list";
    EXPECT_EQ(Shown(bar->GetSubMenu(2)->GetSubMenu(0)), "VideoConverter+3|AudioConverter+4");

    pool.SetupMenu(frame);
    EXPECT_EQ(Shown(bar), "&File|Download|Demo|&Help") << "a second call adds nothing";
    EXPECT_EQ(Shown(bar->GetSubMenu(1)), "DirectX+0|QuickTime+1|-|Xvid Codec+2");

    StandInBrowser browser;
    pool.RunCommand(kFirstId + 2);
    EXPECT_EQ(browser.WaitForOpened(1), std::vector<std::string>{"http://127.0.0.1:8/xvid"});
    for (unsigned int id : {0u, kFirstId + 5, kFirstId - 1, kFirstId + 3})
        pool.RunCommand(id);
    EXPECT_EQ(browser.WaitForOpened(2), (std::vector<std::string>{"http://127.0.0.1:8/xvid", UWebAddresses::kHomePage}))
        << "only known ids open a page; a tag without a link leads home";

    CMenuFrame* complete = NewFrame({"&File", "Download", "Demo", "&Help"});
    pool.SetupMenu(complete);
    EXPECT_EQ(Shown(complete->GetMenu()->GetSubMenu(1)), "") << "the menus already there stay as they are";
    CMenuFrame* single = NewFrame({"&File"});
    pool.SetupMenu(single);
    EXPECT_EQ(Shown(single->GetMenu()), "&File") << "fewer than two items";
    pool.SetupMenu(nullptr);

    StApplicationId none(0);
    EXPECT_EQ(CApplicationPool(kFirstId).GetDownloadCategory(0).GetEntryCount(), 0)
        << "downloads shown depend on the application";
    ::DeleteFileA(links.Path().c_str());
    CApplicationPool empty(kFirstId);
    CMenuFrame* plain = NewFrame();
    empty.SetupMenu(plain);
    EXPECT_EQ(Shown(plain->GetMenu()), "&File|&Help");
}

} // namespace
