#include "AppUnderTest.h"
#include "OwnWindows.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
CAppUnderTest sTheApp;
}

// Raw-line and whole-argument parsing differ on this line: read raw, the spaces end the
// first two values.
const char CAppUnderTest::kCommandLine[] = "/x:1 /y:2 \"C:\\My Movies\\clip.avi\"";

CAppUnderTest::CAppUnderTest()
{
    SetSplashBitmap(IDB_SPLASH);
}

CAppUnderTest& AppUnderTest()
{
    return sTheApp;
}

// Starts the application object as the framework's WinMain does, runs the tests, and ends
// it; the settings key the program's application owns is removed afterwards.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    static char commandLine[sizeof CAppUnderTest::kCommandLine];
    std::memcpy(commandLine, CAppUnderTest::kCommandLine, sizeof commandLine);
    if (!AfxWinInit(::GetModuleHandleA(nullptr), nullptr, commandLine, SW_HIDE))
        return 2;
    if (!sTheApp.InitInstance())
        return 3;
    sTheApp.splash = FindOwnWindow(nullptr, "Splash");
    sTheApp.splashVisible = ::IsWindowVisible(sTheApp.splash) != FALSE;
    sTheApp.splashExStyle = ::GetWindowLongA(sTheApp.splash, GWL_EXSTYLE);
    ::GetWindowRect(sTheApp.splash, &sTheApp.splashRect);

    const int result = RUN_ALL_TESTS();
    sTheApp.ExitInstance();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + CTarnwellApp::kRegistryKey + "\\" +
                                         sTheApp.m_pszAppName).c_str());
    // The maker's key goes too when this program was all it held.
    ::RegDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\") + CTarnwellApp::kRegistryKey).c_str());
    return result;
}
