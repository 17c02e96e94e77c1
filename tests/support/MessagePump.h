#pragma once
#include <functional>

// Dispatches the calling thread's messages until done() holds or timeoutMs have passed.
// Returns whether done() held. Tests wait this way instead of sleeping.
bool PumpMessagesUntil(const std::function<bool()>& done, unsigned timeoutMs = 5000);

// Dispatches the calling thread's messages for timeoutMs, for tests that check that
// something does NOT happen within that time.
void PumpMessagesFor(unsigned timeoutMs);

// Checks done() every few milliseconds, dispatching nothing, until it holds or timeoutMs
// have passed; returns whether it held. For helper threads that watch the windows of the
// test's thread, whose messages are that thread's to dispatch.
bool WaitUntil(const std::function<bool()>& done, unsigned timeoutMs = 5000);
