#include "Version.h"

#include "ApplicationUtils.h"
#include "DirectoryUtils.h"
#include "Registry.h"

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

// The names of the family's numbers are data; what matters is the fallback.
TEST(ApplicationUtilsTest, NumbersOutsideTheTableAndTheUnnumberedApplicationHaveNamesToo)
{
    EXPECT_EQ(UApplicationUtils::GetApplicationName(4711), "Application 4711");
    EXPECT_EQ(UApplicationUtils::GetShortApplicationName(4711), "Application4711");
    EXPECT_EQ(UApplicationUtils::GetApplicationName(0), "test_window") << "an application without a number";
    EXPECT_EQ(UApplicationUtils::GetShortApplicationName(0), "test_window");

    // The name with version is that of the application whose settings are in use.
    CRegistry::SetDefaultApplication("audiorecorder");
    const std::string known = UApplicationUtils::GetApplicationNameWithVersion();
    CRegistry::SetDefaultApplication(nullptr);
    EXPECT_EQ(known.rfind("Tarnwell Audio Recorder", 0), 0u) << known;
    EXPECT_EQ(UApplicationUtils::GetApplicationNameWithVersion().rfind("test_window", 0), 0u);
}

} // namespace
