#include "TestApp.h"

#include <gtest/gtest.h>

namespace {
CTestApp sTheApp;
}

CTestApp& TestApp()
{
    return sTheApp;
}

// Framework test programs start as the framework's console programs do: the global
// application object exists, then AfxWinInit runs in main.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_HIDE))
        return 2;
    return RUN_ALL_TESTS();
}
