#pragma once
#include "core/DispatcherHolder.h"

class CWorkerThread;

// The hidden window on the user-interface thread that runs worker threads' notifications
// there. One serves the whole process: it is created with the first worker object and
// destroyed with the last, and frees itself when destroyed.
class AFX_EXT_CLASS CWorkerThreadDispatcher : public CFrameWnd {
    DECLARE_DYNCREATE(CWorkerThreadDispatcher)
public:
    enum {
        kUpdateMessage = WM_USER + 200,
        kCloseMessage = CDispatcherHolder::kCloseMessage,
        kFinishMessage = WM_USER + 202,
        kBroadcastMessage = WM_USER + 203,
    };

    // Uses of the dispatcher by worker objects: the first creates the window, the last
    // closes it.
    static void AddUse();
    static void ReleaseUse();
    // The current window, or null when there is none (no worker object, or the window
    // could not be created).
    static HWND GetWindow();

protected:
    afx_msg LRESULT OnUpdate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnClose(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFinish(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnBroadcast(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static CDispatcherHolder sHolder;
};
