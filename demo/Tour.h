#pragma once
#include "afxwin.h"

#include <functional>
#include <vector>

// The scripted walk through the sample application that `scripts/demo` runs: each step
// runs on the user-interface thread, reports what it did on standard output, and may ask
// the script for a screenshot of the screen as it is.
class CTour {
public:
    using Step = std::function<void(CTour&)>;

    explicit CTour(bool takeScreenshots)
        : mTakeScreenshots(takeScreenshots), mUiThread(::GetCurrentThreadId()) {}

    void AddStep(Step step) { mSteps.push_back(std::move(step)); }
    // Runs the steps in order, letting messages flow between them; returns at the end.
    void Run();

    // Reports a line on standard output and in the debug log (when it is switched on).
    void Say(LPCSTR text);
    // Every line said so far, each ended by a line break.
    const CString& Transcript() const { return mTranscript; }
    // Asks the script to save the screen as out/<name>.png and waits (bounded) until it
    // has; on the user-interface thread messages keep flowing meanwhile, so that windows
    // stay painted.
    void Screenshot(LPCSTR name);
    // Runs `open`, which shows something modal (a menu, a dialog) and returns once it is
    // closed, while `whileOpen` runs on a helper thread: it looks at what is shown, takes
    // its screenshots and closes it. Only the helper says anything meanwhile (`open` says
    // nothing), so the transcript and the debug log are never written by two threads.
    void WhileModal(const std::function<void()>& open, const std::function<void(CTour&)>& whileOpen);
    // Waits (bounded) on a helper thread for a visible window of the class and title
    // (either may be null); null when none came.
    static HWND WaitForWindow(LPCSTR className, LPCSTR title);
    // Lets the message loop run for a while, so that timers and painting happen.
    void Pump(DWORD milliseconds);

private:
    // Pumps on the user-interface thread, sleeps on a helper thread.
    void Wait(DWORD milliseconds);

    bool mTakeScreenshots;
    DWORD mUiThread;
    std::vector<Step> mSteps;
    CString mTranscript;
};
