#pragma once
#include "afxwin.h"

// Freezes a window's drawing while it exists, so that a window rebuilt piece by piece
// shows only the result. Without a window, the current thread's main window is frozen.
//
// Windows lets only one window be frozen at a time. When another one already is, this
// guard freezes nothing, and its destruction leaves the other one frozen: only the guard
// that froze a window thaws it.
class AFX_EXT_CLASS StWindowUpdate {
public:
    explicit StWindowUpdate(CWnd* window = nullptr);
    ~StWindowUpdate();
    StWindowUpdate(const StWindowUpdate&) = delete;
    StWindowUpdate& operator=(const StWindowUpdate&) = delete;

    // The frozen window, or null when this guard froze none.
    CWnd* GetLockedWindow() const { return mWindow; }

private:
    CWnd* mWindow = nullptr;
};
