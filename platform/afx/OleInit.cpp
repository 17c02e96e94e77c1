#include "afxole.h"
#include "afxtls_.h"

namespace {

// Whether AfxOleInit initialised OLE on the thread (and AfxOleTerm may give it back).
struct COleThreadState {
    bool initialized = false;
};

COleThreadState& OleThreadState()
{
    static CThreadLocal<COleThreadState> sState;
    return sState.GetData();
}

} // namespace

BOOL AFXAPI AfxOleInit()
{
    COleThreadState& state = OleThreadState();
    if (state.initialized)
        return TRUE;
    if (FAILED(::OleInitialize(nullptr)))
        return FALSE;
    state.initialized = true;
    return TRUE;
}

void AFXAPI AfxOleTerm(BOOL bJustRevoke)
{
    COleThreadState& state = OleThreadState();
    if (bJustRevoke || !state.initialized)
        return;
    state.initialized = false;
    ::OleUninitialize();
}
