#include "MessagePump.h"

#include <windows.h>

#include <algorithm>

namespace {

void DispatchPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

bool PumpMessagesUntil(const std::function<bool()>& done, unsigned timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        DispatchPending();
        if (done())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        // Wake for any message (sent messages are handled inside the wait) or after a
        // short slice, so that conditions set by other threads are seen promptly.
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)),
                                    QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

void PumpMessagesFor(unsigned timeoutMs)
{
    PumpMessagesUntil([] { return false; }, timeoutMs);
}
