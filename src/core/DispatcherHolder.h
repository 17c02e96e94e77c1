#pragma once
#include "afxwin.h"

// The process-wide holder of one hidden dispatcher window: the window, created by the first
// use and closed by the last, and the number of uses. A dispatcher class keeps one as a
// class-wide member; it is touched only on the user-interface thread, which owns the window.
//
// The window is a frame of the given dynamically creatable class, never shown, without a
// parent, and it frees itself when destroyed. Its class handles kCloseMessage by destroying
// itself, so that the last use can close it with a message, as its other users reach it.
class AFX_EXT_CLASS CDispatcherHolder {
public:
    enum { kCloseMessage = WM_USER + 201 };

    // Constant-initialized, so that a dispatcher can be used while static objects of the
    // library are still being constructed.
    constexpr CDispatcherHolder(CRuntimeClass* windowClass, LPCSTR title)
        : mWindowClass(windowClass), mTitle(title), mWindow(nullptr), mUseCount(0)
    {
    }
    CDispatcherHolder(const CDispatcherHolder&) = delete;
    CDispatcherHolder& operator=(const CDispatcherHolder&) = delete;

    void AddUse();
    void ReleaseUse();
    // The window, or null when there is none (no use, or the window could not be created).
    HWND GetWindow() const { return mWindow ? mWindow->m_hWnd : nullptr; }

private:
    CRuntimeClass* mWindowClass;
    LPCSTR mTitle;
    CFrameWnd* mWindow;
    int mUseCount;
};
