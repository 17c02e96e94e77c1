// A run of an application that never ends by itself: it takes the crash guard, tells the
// test through a named event that the guard lives, and lingers until the test kills it.
// Arguments: the settings store's application name, the event's name.
#include "tnwmfcut.h"

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    CRegistry::SetDefaultApplication(argv[1]);
    StCrashGuard guard;
    HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    if (!ready)
        return 3;
    ::SetEvent(ready);
    ::CloseHandle(ready);
    // Bounded, so that a test that fails to kill it leaves nothing running for long.
    ::Sleep(60000);
    return 0;
}
