// Round trips from a worker thread to the user-interface thread and back: through
// CWorkerThread::Update, against bare cross-thread SendMessage to a plain window, in the
// same run. Goal: the worker thread's rate is at least 1/1.3 of the bare rate.
//
// Each sender goes on for a fixed time rather than a fixed count, so that a loaded machine
// (where a round trip may take a millisecond) still ends the run in time.
//
//   bench_dispatch [--long]     default: 1 s per sender, best of 5 rounds; long: 5 s and 9
#include "tnwmfcut.h"

#include "BenchRun.h"
#include "Stopwatch.h"

#include <algorithm>
#include <cstdio>

namespace {

double sSeconds = 1;

void PumpUntil(const volatile bool& done)
{
    MSG msg;
    while (!done) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
}

class CUpdatingJob : public CWorkerThread {
public:
    volatile bool done = false;
    long updates = 0;
    void ExecuteSelf(long) override
    {
        const CStopwatch watch;
        while (watch.Seconds() < sSeconds)
            Update();
    }
    void UpdateSelf() override { ++updates; }
    void FinishSelf() override
    {
        done = true;
        CWorkerThread::FinishSelf();
    }
};

double WorkerThreadRate()
{
    CUpdatingJob job;
    job.SetAutoDelete(false);
    CStopwatch watch;
    job.Execute(0);
    PumpUntil(job.done);
    return job.updates / watch.Seconds();
}

LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP) {
        ++*reinterpret_cast<long*>(lParam);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

struct BareTarget {
    HWND window;
    long count;
    volatile bool done;
};

DWORD WINAPI BareSender(LPVOID parameter)
{
    auto* target = static_cast<BareTarget*>(parameter);
    const CStopwatch watch;
    while (watch.Seconds() < sSeconds)
        ::SendMessageA(target->window, WM_APP, 0, reinterpret_cast<LPARAM>(&target->count));
    target->done = true;
    ::PostMessageA(target->window, WM_NULL, 0, 0);
    return 0;
}

double BareSendMessageRate()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchCounting";
    ::RegisterClassA(&wc);
    BareTarget target = { ::CreateWindowExA(0, "BenchCounting", "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                            nullptr, wc.hInstance, nullptr), 0, false };
    CStopwatch watch;
    HANDLE thread = ::CreateThread(nullptr, 0, BareSender, &target, 0, nullptr);
    PumpUntil(target.done);
    const double seconds = watch.Seconds();
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
    ::DestroyWindow(target.window);
    return target.count / seconds;
}

} // namespace

int main(int argc, char** argv)
{
    const CBenchRun run(argc, argv);
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_HIDE);
    sSeconds = run.IsLong() ? 5 : 1;
    const int rounds = run.IsLong() ? 9 : 5;
    // Alternating rounds, best of each: the machine's other load hits both alike, and the
    // first round also pays for first-time set-up.
    double worker = 0;
    double bare = 0;
    for (int round = 0; round < rounds; ++round) {
        worker = std::max(worker, WorkerThreadRate());
        bare = std::max(bare, BareSendMessageRate());
    }
    std::printf("dispatch: round trips for %.0f s each, best of %d rounds\n", sSeconds, rounds);
    std::printf("  CWorkerThread::Update  %10.0f per second\n", worker);
    std::printf("  bare SendMessage       %10.0f per second\n", bare);
    CBenchRun::PrintRatio("bare SendMessage / CWorkerThread::Update rate", bare / worker, 1.3, false);
    return 0;
}
