#include "DirectoryUtils.h"

#include "FileUtils.h"
#include "Registry.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(DirectoryUtilsTest, EstablishPathMakesEveryMissingFolderRemovalKeepsFilesAndFreeSpaceIsMeasuredNearest)
{
    ScratchFolder scratch;
    std::string folder = scratch.Path();
    for (int level = 0; level < 30; ++level)
        folder += "d" + std::to_string(level) + "\\";
    const std::string file = folder + "clip.avi";

    ASSERT_TRUE(UDirectoryUtils::EstablishPath(file.c_str()));
    EXPECT_TRUE(UDirectoryUtils::Exist(folder.c_str()));
    EXPECT_FALSE(UDirectoryUtils::Exist(file.c_str()));
    EXPECT_TRUE(UDirectoryUtils::EstablishPath(file.c_str())) << "again, with nothing left to do";

    ASSERT_TRUE(WriteWholeFile(scratch.File("plain"), "a file"));
    EXPECT_FALSE(UDirectoryUtils::EstablishPath(scratch.File("plain\\sub\\x.txt").c_str()))
        << "a file stands where a folder is needed";
    EXPECT_TRUE(UDirectoryUtils::EstablishPath("bare.txt"));
    EXPECT_FALSE(UDirectoryUtils::EstablishPath(nullptr));

    // Removing a folder keeps what is inside.
    const std::string keep = scratch.File("keep");
    ASSERT_TRUE(CreateDirectoryA(keep.c_str(), nullptr));
    ASSERT_TRUE(WriteWholeFile(keep + "\\precious.txt", "x"));

    EXPECT_FALSE(UDirectoryUtils::RemoveFolder(keep.c_str()));
    EXPECT_TRUE(UFileUtils::FileExist((keep + "\\precious.txt").c_str()));
    EXPECT_FALSE(UDirectoryUtils::Exist((keep + "\\precious.txt").c_str())) << "a file is no folder";

    ASSERT_TRUE(UFileUtils::DeleteFileA((keep + "\\precious.txt").c_str()));
    EXPECT_TRUE(UDirectoryUtils::RemoveFolder(keep.c_str()));
    EXPECT_FALSE(UDirectoryUtils::Exist(keep.c_str()));

    // Free space is measured at the nearest existing folder.
    const __int64 free = UDirectoryUtils::GetFreeDiskSpace(scratch.Path().c_str());
    EXPECT_GT(free, 0);
    const __int64 notYet = UDirectoryUtils::GetFreeDiskSpace(scratch.File("not\\yet\\there").c_str());
    EXPECT_GT(notYet, 0);
    EXPECT_LT(notYet > free ? notYet - free : free - notYet, 64ll * 1024 * 1024);
    EXPECT_EQ(UDirectoryUtils::GetFreeDiskSpace(nullptr), 0);
}

TEST(DirectoryUtilsTest, ApplicationFoldersEndInABackslashAndFollowTheSettingsNames)
{
    const std::string app = UDirectoryUtils::GetAppDirectory();
    ASSERT_TRUE(EndsWith(app, "\\"));
    EXPECT_TRUE(UFileUtils::FileExist((app + "test_window.exe").c_str()));

    EXPECT_TRUE(EndsWith(UDirectoryUtils::GetUserAppDataDirectory(), "\\Tarnwell\\test_window\\"));
    CRegistry::SetDefaultApplication("VideoConverter");
    const std::string user = UDirectoryUtils::GetUserAppDataDirectory();
    const std::string common = UDirectoryUtils::GetCommonAppDataDirectory();
    CRegistry::SetDefaultApplication(nullptr);

    EXPECT_TRUE(EndsWith(user, "\\Tarnwell\\VideoConverter\\")) << user;
    EXPECT_TRUE(EndsWith(common, "\\Tarnwell\\")) << "shared by the family: " << common;
    EXPECT_NE(user.compare(0, common.size(), common), 0) << "per-user files are not the all-users ones";
}

} // namespace
