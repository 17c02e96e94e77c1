#pragma once
// What a console program does instead of a message loop: it dispatches the messages of
// its thread until done() holds, or gives up after timeoutMs. Worker jobs report to the
// user-interface thread through a hidden window, so that thread must keep dispatching.
#include <windows.h>

template <class TDone>
bool PumpUntil(TDone done, ULONGLONG timeoutMs = 10000)
{
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!done()) {
        if (::GetTickCount64() >= deadline)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    return true;
}
