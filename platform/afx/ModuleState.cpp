#include "afxmodule.h"

namespace {

// The framework's process-wide state. Extension libraries register while the loader
// holds its lock, and the application sets its handles before it creates threads, so
// none of this needs a lock of its own.
struct ModuleState {
    HINSTANCE instance = nullptr;
    HINSTANCE resource = nullptr;
    CDynLinkLibrary* libraries = nullptr;
};

ModuleState& State()
{
    static ModuleState sState;
    return sState;
}

bool HoldsResource(HMODULE module, LPCSTR lpszName, LPCSTR lpszType)
{
    return module && FindResourceA(module, lpszName, lpszType) != nullptr;
}

} // namespace

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return State().instance ? State().instance : GetModuleHandleA(nullptr);
}

void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance)
{
    State().instance = hInstance;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return State().resource ? State().resource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    State().resource = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    HINSTANCE first = AfxGetResourceHandle();
    if (HoldsResource(first, lpszName, lpszType))
        return first;
    for (CDynLinkLibrary* dll = State().libraries; dll; dll = dll->m_pNextDLL) {
        if (HoldsResource(dll->m_hResource, lpszName, lpszType))
            return dll->m_hResource;
    }
    return first;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state)
{
    CDynLinkLibrary** link = &State().libraries;
    while (*link) {
        CDynLinkLibrary* dll = *link;
        if (dll->m_hModule == state.hModule)
            delete dll; // unlinks itself
        else
            link = &dll->m_pNextDLL;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_pNextDLL(nullptr)
{
    // Appended, so that libraries are searched in the order they registered.
    CDynLinkLibrary** link = &State().libraries;
    while (*link)
        link = &(*link)->m_pNextDLL;
    *link = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    for (CDynLinkLibrary** link = &State().libraries; *link; link = &(*link)->m_pNextDLL) {
        if (*link == this) {
            *link = m_pNextDLL;
            break;
        }
    }
}
