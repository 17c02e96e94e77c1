#include "transfer/DeviceController.h"

#include "transfer/DeviceDispatcher.h"

CDeviceController* CDeviceController::sController = nullptr;

CDeviceController::CDeviceController()
{
    auto* dispatcher = new CDeviceDispatcher;
    dispatcher->GetBroadcaster().AddListener(this);
    const RECT rect = { 0, 0, 20, 20 };
    // A frame that fails to be created has already freed itself.
    if (dispatcher->Create(nullptr, "Devices", WS_POPUP | WS_BORDER | WS_SYSMENU, rect)) {
        mDispatcher = dispatcher;
        mWindow = dispatcher->m_hWnd;
    }
    sController = this;
}

CDeviceController::~CDeviceController()
{
    if (sController == this)
        sController = nullptr;
    Stop();
}

CDeviceDispatcher* CDeviceController::GetDispatcher()
{
    // The window frees its object when it is destroyed, whoever destroys it.
    if (mDispatcher && CWnd::FromHandlePermanent(mWindow) != mDispatcher) {
        mDispatcher = nullptr;
        mWindow = nullptr;
    }
    return mDispatcher;
}

void CDeviceController::Stop()
{
    CDeviceDispatcher* dispatcher = GetDispatcher();
    mDispatcher = nullptr;
    mWindow = nullptr;
    if (dispatcher)
        dispatcher->SendMessage(CDeviceDispatcher::kCloseMessage);
}

bool CDeviceController::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code != CDeviceDispatcher::kDeviceEvent)
        return CListener::ListenToMessage(code, sender, extra);
    Broadcast(kDeviceChanged, sender, extra);
    return true;
}
