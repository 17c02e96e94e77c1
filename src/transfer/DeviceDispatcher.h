#pragma once
#include "afxwin.h"
#include "tnwbscut.h"
#include "tnwwndut.h"

#include <dbt.h>

// The hidden window "Devices" on the user-interface thread that hears the system's device
// changes for a CDeviceController. It asks for the arrivals and removals of capture
// devices (the kernel-streaming capture interface class), queues each WM_DEVICECHANGE
// arrival or removal with a copy of its broadcast record, and passes the queue on one
// record every kSpacingMs, oldest first, as a kDeviceEvent broadcast of its broadcaster:
// the event code as the sender, the copied record as the extra. Records that do not
// describe a device interface are dropped without a broadcast. The timer runs only while
// records wait.
//
// Records are copied by the size they state, so a record is taken only when it is at
// least a record header and at most kMaxRecordSize bytes; a device-interface record must
// be at least its fixed part. A null or malformed record is ignored.
//
// Created with new by the controller; it frees itself when its window is destroyed
// (kCloseMessage destroys it). Clean-up (unregistering the notification, stopping the
// timer, dropping the queue) runs on WM_CLOSE, WM_DESTROY and in the destructor, and
// does its work once: each handle is cleared when it is given back.
//
// A listener may stop the controller while it hears a broadcast: the dispatcher notices
// that it was destroyed and touches nothing of itself afterwards.
class AFX_EXT_CLASS CDeviceDispatcher : public CFrameWnd {
public:
    enum : long { kDeviceEvent = 77884523 };
    enum { kCloseMessage = WM_USER + 201, kTimerId = 200, kSpacingMs = 500 };
    static const unsigned long kMaxRecordSize = 65536;

    CDeviceDispatcher();
    ~CDeviceDispatcher() override;

    CBroadcaster& GetBroadcaster() { return mBroadcaster; }
    // Whether the system took the request for device notifications.
    bool IsRegistered() const { return mNotification != nullptr; }
    int GetQueuedCount();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT createStruct);
    afx_msg LRESULT OnDeviceChange(WPARAM event, LPARAM record);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnCloseMessage(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    struct SRecord {
        UINT event;
        CHandle data;
    };
    typedef HDEVNOTIFY(WINAPI* RegisterFunc)(HANDLE recipient, LPVOID filter, DWORD flags);
    typedef BOOL(WINAPI* UnregisterFunc)(HDEVNOTIFY notification);

    void RegisterForDevices();
    void CleanUp();
    SRecord* TakeFirst();

    CBroadcaster mBroadcaster;
    CTwCriticalSection mQueueLock;
    CPointerList mQueue; // owned SRecord objects, oldest first
    HDEVNOTIFY mNotification = nullptr;
    RegisterFunc mRegister = nullptr;
    UnregisterFunc mUnregister = nullptr;
    UINT_PTR mTimer = 0;
    bool* mDestroyed = nullptr; // set while a broadcast runs
};
