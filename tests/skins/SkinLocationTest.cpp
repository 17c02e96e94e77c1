#include "skins/SkinFolder.h"
#include "skins/SkinWindowLocation.h"

#include "HeardBroadcasts.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::string ReadIni(const std::string& file, const char* section, const char* key)
{
    char text[64] = {};
    ::GetPrivateProfileStringA(section, key, "", text, sizeof text, file.c_str());
    return text;
}

// Left, top, width and height, to compare a whole location at once.
std::string Place(CSkinLocation& location)
{
    return std::to_string(location.GetLeft()) + " " + std::to_string(location.GetTop()) + " " +
           std::to_string(location.GetWidth()) + " " + std::to_string(location.GetHeight());
}

} // namespace

TEST(SkinLocationTest, ReadsAndWritesTheCurrentFoldersSkinIniWithItsOwnNumbersAsDefaults)
{
    // Made before any folder: never follows one, and cannot load or save meanwhile.
    CSkinLocation early("Early");
    EXPECT_FALSE(early.Load());
    EXPECT_FALSE(early.Save());

    ScratchFolder first;
    ScratchFolder second;
    ASSERT_TRUE(WriteWholeFile(first.File("skin.ini"), "[Play]\r\nLeft=5\r\nTop=6\r\nWidth=oops\r\n[Early]\r\nLeft=3\r\n"));
    ASSERT_TRUE(WriteWholeFile(second.File("skin.ini"), "[Play]\r\nLeft=50\r\n"));
    {
        auto folder = std::make_unique<CSkinFolder>(first.Path().c_str());
        ASSERT_EQ(CSkinFolder::GetCurrent(), folder.get());
        CSkinFolder later(second.Path().c_str());
        EXPECT_EQ(CSkinFolder::GetCurrent(), folder.get());

        CSkinLocation play("Play");
        play.SetWidth(70);
        play.SetHeight(80);
        CSkinFolder::LoadAll();
        EXPECT_EQ(Place(play), "5 6 70 80") << "not a number in the file: the old width stays";

        play.SetTop(7);
        CSkinFolder::SaveAll();
        EXPECT_EQ(ReadIni(first.File("skin.ini"), "Play", "Top"), "7");
        EXPECT_EQ(ReadIni(first.File("skin.ini"), "Play", "Height"), "80");
        early.Load();
        EXPECT_EQ(early.GetLeft(), 0u) << "a location made before the folder never reads its skin.ini";

        CHeardBroadcasts watcher;
        folder->AddListener(&watcher);
        folder->SetFolder(first.Path().c_str());
        EXPECT_EQ(watcher.Count(CSkinFolder::kLoadAll), 0);
        folder->SetFolder(second.Path().c_str());
        EXPECT_EQ(watcher.Count(CSkinFolder::kLoadAll), 1);
        EXPECT_EQ(Place(play), "50 7 70 80");
        folder->RemoveListener(&watcher);

        // The first folder goes and a new one takes the role: the location follows it
        // and never touches the binding of the folder that is gone.
        folder.reset();
        EXPECT_EQ(CSkinFolder::GetCurrent(), nullptr);
        EXPECT_FALSE(play.Save());
        CSkinFolder successor(first.Path().c_str());
        EXPECT_EQ(CSkinFolder::GetCurrent(), &successor);
        play.SetLeft(9);
        CSkinFolder::SaveAll();
        EXPECT_EQ(ReadIni(first.File("skin.ini"), "Play", "Left"), "9");
        EXPECT_EQ(ReadIni(second.File("skin.ini"), "Play", "Left"), "50");
    }
    EXPECT_EQ(CSkinFolder::GetCurrent(), nullptr);
}

TEST(SkinLocationTest, WindowLocationTakesTheWindowsPlaceAndMovesItOnlyToAPlaceThatFits)
{
    ScratchFolder skin;
    CSkinFolder folder(skin.Path().c_str());
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "skin parent", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "child", WS_CHILD, CRect(10, 20, 50, 45), &parent, 1));

    CSkinWindowLocation location("Child", &child);
    EXPECT_EQ(Place(location), "10 20 40 25");

    ASSERT_TRUE(WriteWholeFile(skin.File("skin.ini"), "[Child]\r\nLeft=100\r\nTop=30\r\nWidth=60\r\n"));
    const auto placed = [&] {
        CRect rect;
        child.GetWindowRect(&rect);
        parent.ScreenToClient(&rect);
        return rect;
    };
    EXPECT_TRUE(location.Load());
    EXPECT_EQ(placed(), CRect(100, 30, 160, 55));

    // A height that would be negative is refused whole.
    ASSERT_TRUE(WriteWholeFile(skin.File("skin.ini"), "[Child]\r\nLeft=1\r\nHeight=-5\r\n"));
    EXPECT_FALSE(location.Load());
    EXPECT_EQ(Place(location), "100 30 60 25");
    EXPECT_EQ(placed(), CRect(100, 30, 160, 55));

    CSkinWindowLocation unplaced("Nobody", nullptr);
    EXPECT_FALSE(unplaced.Load());
    parent.DestroyWindow();
}
