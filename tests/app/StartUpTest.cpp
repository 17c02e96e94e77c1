#include "AppUnderTest.h"
#include "MessagePump.h"
#include "OwnWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StartUpTest, TheApplicationIsNamedReadsItsCommandLineRawShowedTheSplashCentredAndKeepsItsLoggerToTheEnd)
{
    CAppUnderTest& app = AppUnderTest();
    // An application that has not set its number is named after its program.
    EXPECT_STREQ(app.m_pszAppName, "test_app");
    EXPECT_STREQ(app.m_pszRegistryKey, "Tarnwell");
    EXPECT_STREQ(app.m_pszProfileName, "test_app") << "the profile is filed under the short name";
    ASSERT_TRUE(app.WriteProfileInt("Start-up", "Count", 7));
    EXPECT_EQ(CRegistry("Start-up", "Count", nullptr).GetValue(0), 7u);
    ASSERT_TRUE(CRegistry("Start-up", "Name", nullptr).SetTextValue("converter"));
    EXPECT_EQ(app.GetProfileString("Start-up", "Name"), "converter");
    HKEY key = nullptr;
    EXPECT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tarnwell\\test_app\\Start-up", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    ::RegCloseKey(key);

    // The command line is read as a raw line.
    CCommandLineParams& params = app.GetCommandLineParams();
    EXPECT_EQ(params.GetFile(), "C:\\My Movies\\clip.avi");
    ASSERT_EQ(params.GetParams().GetLookupCount(), 2);
    EXPECT_STREQ(params.GetParams().GetLookupValue("x", ""), "1");
    EXPECT_STREQ(params.GetParams().GetLookupValue("y", ""), "2");

    // The splash showed the bitmap centred and closes by itself.
    ASSERT_NE(app.splash, nullptr) << "start-up showed the splash window";
    EXPECT_TRUE(app.splashVisible);
    EXPECT_TRUE(app.splashExStyle & WS_EX_TOPMOST);
    // The library's picture is 320 x 200, on a screen of 1024 x 768.
    EXPECT_EQ(CRect(app.splashRect), CRect(CPoint((1024 - 320) / 2, (768 - 200) / 2), CSize(320, 200)));
    EXPECT_TRUE(PumpMessagesUntil([] { return !FindOwnWindow(nullptr, "Splash"); }, 5000));

    // The logger lives until the application ends. Last in the program: it starts again.
    EXPECT_NE(app.GetDebugLogger(), nullptr);
    app.ExitInstance();
    EXPECT_EQ(app.GetDebugLogger(), nullptr);
    app.InitInstance();
    EXPECT_NE(app.GetDebugLogger(), nullptr);
    EXPECT_TRUE(PumpMessagesUntil([] { return !FindOwnWindow(nullptr, "Splash"); }, 5000));
}

} // namespace
