#pragma once
#include "core/Timer.h"

// A timer that fires once: it runs a plain function from the message loop a moment after
// it is activated, after the message being handled now is done. It does not broadcast the
// tick. Run is the usual way: it schedules a function about 10 ms ahead on an object that
// deletes itself afterwards, so the caller keeps nothing.
//
// Decisions of this library:
// - When the system refuses Run's timer, the object is deleted at once and the function is
//   never called, so that no delayed function is left behind that would never fire.
// - The function may delete a delayed function that does not delete itself (its owner's,
//   for example); nothing is read from the object after the call unless it deletes itself.
class AFX_EXT_CLASS CDelayedFunction : public CTimer {
public:
    typedef int (*Function)(void* a, void* b);

    enum { kRunDelayMs = 10 };

    explicit CDelayedFunction(bool autoDelete);

    // Stops the timer first: a pending call is dropped, and the new function runs only after
    // the next Activate. A null function makes firing do nothing but clean up.
    void SetFunction(Function function, void* a, void* b);

    // Deactivates, calls the function with its two arguments (its result is ignored), then
    // deletes the object when it deletes itself.
    void OnTimer() override;

    static void Run(Function function, void* a, void* b);

private:
    Function mFunction;
    void* mA;
    void* mB;
    bool mAutoDelete;
};
