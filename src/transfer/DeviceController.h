#pragma once
#include "afxwin.h"
#include "tnwbscut.h"

class CDeviceDispatcher;

// Tells the application when a capture device (a camera, a capture card) is plugged in or
// removed. The controller makes a hidden "Devices" window (CDeviceDispatcher) on the
// calling thread, which must be the user-interface thread, and broadcasts each device
// event that window passes on as kDeviceChanged: the event code (DBT_DEVICEARRIVAL or
// DBT_DEVICEREMOVECOMPLETE) as the sender, the device-interface record
// (DEV_BROADCAST_DEVICEINTERFACE_A) as the extra, valid during the broadcast. Events
// arrive one at a time, at least CDeviceDispatcher::kSpacingMs apart, in the order the
// system sent them. Applications add their listeners to the controller.
//
// sController is the controller that exists (the last one made). Stop closes the window;
// a window closed by anyone else is noticed, and is then not closed twice.
class AFX_EXT_CLASS CDeviceController : public CBroadcaster, public CListener {
public:
    enum : long { kDeviceChanged = 5677432 };

    CDeviceController();
    ~CDeviceController() override;
    CDeviceController(const CDeviceController&) = delete;
    CDeviceController& operator=(const CDeviceController&) = delete;

    void Stop();
    // The "Devices" window, or null after Stop or when it could not be made.
    CDeviceDispatcher* GetDispatcher();

    bool ListenToMessage(long code, const void* sender, const void* extra) override;

    static CDeviceController* sController;

private:
    CDeviceDispatcher* mDispatcher = nullptr;
    HWND mWindow = nullptr;
};
