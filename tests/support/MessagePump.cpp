#include "MessagePump.h"

#include <windows.h>

#include <algorithm>

namespace {

// The one deadline loop of the test support: checks done() and, while it does not hold,
// lets rest(milliseconds) pass the time in slices short enough that a condition set by
// another thread is seen promptly.
bool Until(const std::function<bool()>& done, unsigned timeoutMs, void (*rest)(DWORD))
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        rest(static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)));
    }
}

void DispatchPending()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Wakes for any message (sent messages are handled inside the wait).
void WaitForInput(DWORD ms)
{
    MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

} // namespace

bool PumpMessagesUntil(const std::function<bool()>& done, unsigned timeoutMs)
{
    return Until(
        [&] {
            DispatchPending();
            return done();
        },
        timeoutMs, WaitForInput);
}

void PumpMessagesFor(unsigned timeoutMs)
{
    PumpMessagesUntil([] { return false; }, timeoutMs);
}

bool WaitUntil(const std::function<bool()>& done, unsigned timeoutMs)
{
    return Until(done, timeoutMs, [](DWORD ms) { Sleep(ms); });
}
