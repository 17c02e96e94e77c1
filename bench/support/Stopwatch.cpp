#include "Stopwatch.h"

CStopwatch::CStopwatch()
{
    Restart();
}

void CStopwatch::Restart()
{
    ::QueryPerformanceCounter(&mStart);
}

double CStopwatch::Seconds() const
{
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - mStart.QuadPart) / static_cast<double>(frequency.QuadPart);
}
