#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <thread>

namespace {

// Whether COM is initialised on the calling thread, without changing that.
bool ComInitialized()
{
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    return SUCCEEDED(::CoGetApartmentType(&type, &qualifier));
}

} // namespace

TEST(DirectShow, InitialisesComForItsLifetimeAndLeavesAnotherApartmentAlone)
{
    bool during = false;
    bool after = true;
    bool ownSurvives = false;
    std::thread([&] {
        {
            StDirectShow com;
            during = com.IsInitialized() && ComInitialized();
        }
        after = ComInitialized();

        ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        {
            StDirectShow com;
        }
        ownSurvives = ComInitialized();
        ::CoUninitialize();
    }).join();
    EXPECT_TRUE(during);
    EXPECT_FALSE(after);
    EXPECT_TRUE(ownSurvives) << "the thread's own multithreaded apartment survives the object";
}
