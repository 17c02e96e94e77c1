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

    explicit CTour(bool takeScreenshots) : mTakeScreenshots(takeScreenshots) {}

    void AddStep(Step step) { mSteps.push_back(std::move(step)); }
    // Runs the steps in order, letting messages flow between them; returns at the end.
    void Run();

    // Reports a line on standard output and in the debug log (when it is switched on).
    void Say(LPCSTR text);
    // Every line said so far, each ended by a line break.
    const CString& Transcript() const { return mTranscript; }
    // Asks the script to save the screen as out/<name>.png and waits (bounded) until it
    // has, while messages keep flowing so that windows stay painted.
    void Screenshot(LPCSTR name);
    // Lets the message loop run for a while, so that timers and painting happen.
    void Pump(DWORD milliseconds);

private:
    bool mTakeScreenshots;
    std::vector<Step> mSteps;
    CString mTranscript;
};
