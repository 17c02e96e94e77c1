#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

// Answers a modal dialog the way a person would, from a thread of its own, while the
// test's thread runs the dialog's modal loop. The driver waits (up to a time limit) for a
// visible dialog of the test's thread with the given title, then runs the action with its
// handle. Actions use SendMessage, which the dialog's thread handles inside its loop.
// A dialog that the action left open is closed after the time limit (see LeftOpen).
class CDialogDriver {
public:
    using Action = std::function<void(HWND dialog)>;

    CDialogDriver(std::string title, Action action, unsigned timeoutMs = 5000);
    ~CDialogDriver() { Join(); }
    CDialogDriver(const CDialogDriver&) = delete;
    CDialogDriver& operator=(const CDialogDriver&) = delete;

    // Whether the dialog appeared and the action ran; waits for the driver to finish.
    bool Acted() { Join(); return mActed; }
    // Whether the dialog was still open a time limit after the action, so that the driver
    // closed it; waits for the driver to finish.
    bool LeftOpen() { Join(); return mLeftOpen; }

    // Helpers for actions.
    static void Type(HWND dialog, int controlId, const char* text);
    static void Tick(HWND dialog, int controlId, bool checked);
    static void Press(HWND dialog, int buttonId);
    // What the person sees: a control's text, whether it shows, which window of the
    // dialog's thread has the keyboard focus (or the mouse capture).
    static std::string TextOf(HWND dialog, int controlId);
    static bool Shows(HWND dialog, int controlId);
    static HWND Focus(HWND dialog);
    static HWND Capture(HWND dialog);

private:
    void Join()
    {
        if (mThread.joinable())
            mThread.join();
    }
    void Drive(std::string title, Action action, unsigned timeoutMs, DWORD uiThread);

    bool mActed = false;
    bool mLeftOpen = false;
    std::thread mThread;
};
