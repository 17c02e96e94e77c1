#include "core/LibraryModule.h"

namespace {
HINSTANCE sInstance = nullptr;
}

HINSTANCE ULibraryModule::Instance()
{
    return sInstance;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        sInstance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
