#include "Tour.h"

#include "tnwmfcut.h"

#include <thread>

void CTour::Run()
{
    for (Step& step : mSteps) {
        step(*this);
        Pump(100);
    }
}

void CTour::Say(LPCSTR text)
{
    CDebugLogger::Log(text);
    mTranscript += CString(text) + "\r\n";
    CString line = CString("tour: ") + text + "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), static_cast<LPCSTR>(line),
                static_cast<DWORD>(line.GetLength()), &written, nullptr);
}

void CTour::Screenshot(LPCSTR name)
{
    if (!mTakeScreenshots)
        return;
    Wait(300);
    // The script answers by creating the acknowledgement file once the picture is saved.
    CString ack;
    ack.Format("shot-%s.done", name);
    ::DeleteFileA(ack);
    CString request;
    request.Format("screenshot %s", name);
    Say(request);
    const ULONGLONG deadline = ::GetTickCount64() + 15000;
    while (::GetFileAttributesA(ack) == INVALID_FILE_ATTRIBUTES && ::GetTickCount64() < deadline)
        Wait(50);
    ::DeleteFileA(ack);
}

void CTour::Wait(DWORD milliseconds)
{
    // Only the user-interface thread has messages to dispatch.
    if (::GetCurrentThreadId() == mUiThread)
        Pump(milliseconds);
    else
        ::Sleep(milliseconds);
}

void CTour::Pump(DWORD milliseconds)
{
    const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
    MSG msg;
    for (ULONGLONG now = ::GetTickCount64(); now < deadline; now = ::GetTickCount64()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

void CTour::WhileModal(const std::function<void()>& open, const std::function<void(CTour&)>& whileOpen)
{
    std::thread helper([this, &whileOpen] { whileOpen(*this); });
    open();
    helper.join();
}

HWND CTour::WaitForWindow(LPCSTR className, LPCSTR title)
{
    const ULONGLONG deadline = ::GetTickCount64() + 10000;
    while (::GetTickCount64() < deadline) {
        HWND window = ::FindWindowA(className, title);
        if (window && ::IsWindowVisible(window))
            return window;
        ::Sleep(50);
    }
    return nullptr;
}
