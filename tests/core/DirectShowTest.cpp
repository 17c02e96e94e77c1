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

TEST(DirectShow, InitialisesComForItsLifetime)
{
    bool during = false;
    bool after = true;
    std::thread([&] {
        {
            StDirectShow com;
            EXPECT_TRUE(com.IsInitialized());
            during = ComInitialized();
        }
        after = ComInitialized();
    }).join();
    EXPECT_TRUE(during);
    EXPECT_FALSE(after);
}

TEST(DirectShow, LeavesAnotherApartmentAlone)
{
    bool stillInitialized = false;
    std::thread([&] {
        ASSERT_EQ(::CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        {
            StDirectShow com;
            EXPECT_FALSE(com.IsInitialized()) << "the thread is already in the multithreaded apartment";
        }
        stillInitialized = ComInitialized();
        ::CoUninitialize();
    }).join();
    EXPECT_TRUE(stillInitialized) << "the thread's own COM survives the object";
}
