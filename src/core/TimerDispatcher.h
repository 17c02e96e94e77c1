#pragma once
#include "core/DispatcherHolder.h"

// The hidden window "Timers" on the user-interface thread that owns the system timers of
// every CTimer of the process. It exists only while at least one timer is active: each
// activation takes a use, each deactivation gives it back. Expiries do not pass through its
// message map: the system calls the timers' own timer procedure when the message loop
// dispatches them.
class AFX_EXT_CLASS CTimerDispatcher : public CFrameWnd {
    DECLARE_DYNCREATE(CTimerDispatcher)
public:
    enum { kCloseMessage = CDispatcherHolder::kCloseMessage };

    static void AddUse();
    static void ReleaseUse();
    // The current window, or null when no timer is active or it could not be created.
    static HWND GetWindow();

protected:
    afx_msg LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static CDispatcherHolder sHolder;
};
