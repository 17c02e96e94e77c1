#pragma once
// The framework state shared by an application and the extension libraries it loads: the
// application's instance, and where resources are found.
#include "afxver_.h"

AFX_CORE_CLASS HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_CORE_CLASS void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance);
// The module that resources are loaded from first: the application's unless changed.
AFX_CORE_CLASS HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_CORE_CLASS void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The first module of the search chain that holds the resource: the resource handle, then
// each extension library in the order they registered. Falls back to the resource handle.
AFX_CORE_CLASS HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

// An extension library's module, registered in the resource search chain from its DllMain:
//   static AFX_EXTENSION_MODULE sModule;
//   case DLL_PROCESS_ATTACH: AfxInitExtensionModule(sModule, hInstance);
//                            new CDynLinkLibrary(sModule);
//   case DLL_PROCESS_DETACH: AfxTermExtensionModule(sModule);
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

AFX_CORE_CLASS BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes the module's entry from the search chain.
AFX_CORE_CLASS void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state);

// One entry of the resource search chain. Created with new; AfxTermExtensionModule
// deletes it.
class AFX_CORE_CLASS CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;
    CDynLinkLibrary* m_pNextDLL;
};
