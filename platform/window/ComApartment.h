#pragma once
#include <objbase.h>

// Joins the calling thread to a single-threaded COM apartment for the guard's lifetime, on
// a thread that may or may not have COM already. Shared by every module that needs COM for
// a while (picture decoding here, the media components' guard in the class library).
//
// When the thread already runs in the other apartment model, CoInitializeEx fails and the
// guard leaves COM alone on destruction: uninitialising what this guard never initialised
// would tear down the COM of whoever did. A second guard on the same thread succeeds
// (S_FALSE) and is balanced like the first.
class StComApartment {
public:
    StComApartment() : mInitialized(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~StComApartment()
    {
        if (mInitialized)
            ::CoUninitialize();
    }
    StComApartment(const StComApartment&) = delete;
    StComApartment& operator=(const StComApartment&) = delete;

    // Whether this guard initialised COM (and will uninitialise it).
    bool IsInitialized() const { return mInitialized; }

private:
    bool mInitialized;
};
