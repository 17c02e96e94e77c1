#include "core/LibraryModule.h"

#include "afxwin.h"

namespace {
AFX_EXTENSION_MODULE sModule = { FALSE, nullptr, nullptr };
}

HINSTANCE ULibraryModule::Instance()
{
    return sModule.hModule;
}

// The library's dialog templates, bitmaps and icons are found through the framework's
// resource chain, so the library registers itself there as soon as it is loaded.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        if (!AfxInitExtensionModule(sModule, instance))
            return FALSE;
        new CDynLinkLibrary(sModule);
    } else if (reason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(sModule);
    }
    return TRUE;
}
