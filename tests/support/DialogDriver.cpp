#include "DialogDriver.h"

#include "MessagePump.h"

namespace {

struct DialogSearch {
    const std::string* title;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<DialogSearch*>(lParam);
    char className[16] = {};
    char title[256] = {};
    ::GetClassNameA(hWnd, className, sizeof(className));
    ::GetWindowTextA(hWnd, title, sizeof(title));
    if (std::string(className) == "#32770" && ::IsWindowVisible(hWnd) && *search->title == title) {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

CDialogDriver::CDialogDriver(std::string title, Action action, unsigned timeoutMs)
    : mThread(&CDialogDriver::Drive, this, std::move(title), std::move(action), timeoutMs,
              ::GetCurrentThreadId())
{
}

void CDialogDriver::Drive(std::string title, Action action, unsigned timeoutMs, DWORD uiThread)
{
    DialogSearch search = { &title, nullptr };
    const bool found = WaitUntil(
        [&] {
            ::EnumThreadWindows(uiThread, MatchDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    if (!found)
        return;
    action(search.found);
    mActed = true;
    // An action that failed to end the dialog must not leave the test's thread waiting
    // in its modal loop for good: the dialog is closed as its close box would.
    if (!WaitUntil([&] { return !::IsWindow(search.found); }, timeoutMs)) {
        mLeftOpen = true;
        ::PostMessageA(search.found, WM_CLOSE, 0, 0);
    }
}

void CDialogDriver::Type(HWND dialog, int controlId, const char* text)
{
    ::SendMessageA(::GetDlgItem(dialog, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void CDialogDriver::Tick(HWND dialog, int controlId, bool checked)
{
    ::SendMessageA(::GetDlgItem(dialog, controlId), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CDialogDriver::Press(HWND dialog, int buttonId)
{
    ::SendMessageA(::GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

std::string CDialogDriver::TextOf(HWND dialog, int controlId)
{
    char text[512] = {};
    ::GetDlgItemTextA(dialog, controlId, text, sizeof text);
    return text;
}

bool CDialogDriver::Shows(HWND dialog, int controlId)
{
    return ::IsWindowVisible(::GetDlgItem(dialog, controlId)) != FALSE;
}

namespace {

GUITHREADINFO ThreadInput(HWND dialog)
{
    GUITHREADINFO info = {sizeof info};
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info);
    return info;
}

} // namespace

HWND CDialogDriver::Focus(HWND dialog)
{
    return ThreadInput(dialog).hwndFocus;
}

HWND CDialogDriver::Capture(HWND dialog)
{
    return ThreadInput(dialog).hwndCapture;
}
