#include "ApplicationUtils.h"

#include "Registry.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplicationUtilsTest, NamesComeFromTheTableWithAFallbackPerNumber)
{
    EXPECT_EQ(UApplicationUtils::GetApplicationName(1), "Tarnwell Video Converter");
    EXPECT_EQ(UApplicationUtils::GetShortApplicationName(1), "VideoConverter");
    EXPECT_EQ(UApplicationUtils::GetShortApplicationName(6), "MobileConverter");
    EXPECT_EQ(UApplicationUtils::GetApplicationName(4711), "Application 4711");
    EXPECT_EQ(UApplicationUtils::GetShortApplicationName(4711), "Application4711");
    EXPECT_EQ(UApplicationUtils::GetApplicationName(0), "test_window") << "an application without a number";
    EXPECT_EQ(UApplicationUtils::GetShortApplicationName(0), "test_window");
}

TEST(ApplicationUtilsTest, NameWithVersionIsThatOfTheSettingsApplication)
{
    CRegistry::SetDefaultApplication("audiorecorder");
    const std::string known = UApplicationUtils::GetApplicationNameWithVersion();
    CRegistry::SetDefaultApplication(nullptr);
    const std::string unknown = UApplicationUtils::GetApplicationNameWithVersion();

    EXPECT_EQ(known.rfind("Tarnwell Audio Recorder", 0), 0u) << known;
    EXPECT_EQ(unknown.rfind("test_window", 0), 0u) << unknown;
}

} // namespace
