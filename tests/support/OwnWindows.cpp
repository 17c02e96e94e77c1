#include "OwnWindows.h"

namespace {

struct SOwnWindowSearch {
    LPCSTR className;
    LPCSTR title;
    HWND found;
};

BOOL CALLBACK MatchOwnWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<SOwnWindowSearch*>(lParam);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != ::GetCurrentProcessId())
        return TRUE;
    char text[256] = {};
    if (search->className) {
        ::GetClassNameA(window, text, sizeof text);
        if (::lstrcmpiA(text, search->className) != 0)
            return TRUE;
    }
    if (search->title) {
        ::GetWindowTextA(window, text, sizeof text);
        if (::lstrcmpiA(text, search->title) != 0)
            return TRUE;
    }
    search->found = window;
    return FALSE;
}

} // namespace

HWND FindOwnWindow(LPCSTR className, LPCSTR title)
{
    SOwnWindowSearch search = { className, title, nullptr };
    ::EnumWindows(MatchOwnWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
