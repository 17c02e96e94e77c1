#pragma once
#include "tnwmfcut.h"

#include <windows.h>

// The application object of the `app` test program: a CTarnwellApp as every application
// of the family has one, with the library's splash picture. main starts it as WinMain
// would, with the command line kCommandLine, and notes what the tests of its start-up
// need to know.
class CAppUnderTest : public CTarnwellApp {
public:
    static const char kCommandLine[];

    CAppUnderTest();

    // The splash window as it was after InitInstance.
    HWND splash = nullptr;
    bool splashVisible = false;
    LONG splashExStyle = 0;
    RECT splashRect = {};
};

CAppUnderTest& AppUnderTest();
