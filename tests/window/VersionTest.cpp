#include "Version.h"

#include "ApplicationUtils.h"
#include "DirectoryUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionTest, ProjectModulesCarryTheProjectVersion)
{
    const std::string folder = UDirectoryUtils::GetAppDirectory();
    for (const char* module : {"tnwwndut.dll", "tnwbscut.dll", "afx.dll"}) {
        CVersion version((folder + module).c_str());
        EXPECT_TRUE(version.HasVersion()) << module;
        EXPECT_EQ(version.GetVersionText(), TNW_PROJECT_VERSION) << module;
    }
}

TEST(VersionTest, FilesWithoutVersionGiveAnEmptyText)
{
    const std::string folder = UDirectoryUtils::GetAppDirectory();
    EXPECT_EQ(CVersion((folder + "no such file.dll").c_str()).GetVersionText(), "");
    EXPECT_EQ(CVersion(nullptr).GetVersionText(), "");
    EXPECT_EQ(CVersion("").GetVersionText(), "");
    // The test program itself is built without a version resource.
    CVersion self(UApplicationUtils::GetExecutablePath().c_str());
    EXPECT_FALSE(self.HasVersion());
    EXPECT_EQ(self.GetVersionText(), "");
}

} // namespace
