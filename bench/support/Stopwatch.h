#pragma once
#include <windows.h>

// Wall-clock seconds from the performance counter, the one clock every benchmark reads.
class CStopwatch {
public:
    CStopwatch();

    void Restart();
    double Seconds() const;

private:
    LARGE_INTEGER mStart;
};
