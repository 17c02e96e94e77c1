#pragma once
#include "TwCriticalSection.h"
#include "WindowExport.h"

#include <string>

// A developer's trace: each line is stamped with the seconds since the tracer was made
// and the calling thread, and goes to the debugger output, and also to the end of a file
// when one is named. It is on from construction (the debugger output costs nothing
// unless somebody listens) and may be switched off. Any thread may trace.
class TNWWND_CLASS CTracer {
public:
    CTracer();
    CTracer(const CTracer&) = delete;
    CTracer& operator=(const CTracer&) = delete;

    void SetEnabled(bool enabled);
    bool IsEnabled() const;
    // Lines are appended to this file from now on, its folder made when missing; null or
    // empty stops writing a file.
    void SetFile(const char* path);

    void Trace(const char* text);
    void TraceFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));

private:
    void AppendToFile(const std::string& line);

    mutable CTwCriticalSection mLock;
    bool mEnabled = true;
    std::string mFile;
    unsigned long long mStartTick;
};
