#include "Version.h"

#include "ApplicationUtils.h"
#include "DirectoryUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionTest, ProjectModulesCarryTheProjectVersionOthersNone)
{
    const std::string folder = UDirectoryUtils::GetAppDirectory();
    for (const char* module : {"tnwwndut.dll", "tnwbscut.dll", "afx.dll"})
        EXPECT_EQ(CVersion((folder + module).c_str()).GetVersionText(), TNW_PROJECT_VERSION) << module;

    EXPECT_EQ(CVersion((folder + "no such file.dll").c_str()).GetVersionText(), "");
    EXPECT_EQ(CVersion(nullptr).GetVersionText(), "");
    // The test program itself is built without a version resource.
    CVersion self(UApplicationUtils::GetExecutablePath().c_str());
    EXPECT_FALSE(self.HasVersion());
    EXPECT_EQ(self.GetVersionText(), "");
}

} // namespace
