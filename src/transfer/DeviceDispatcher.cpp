#include "transfer/DeviceDispatcher.h"

#include <memory>

namespace {

// The kernel-streaming capture category: cameras and capture cards.
const GUID kCaptureCategory = { 0x65E8773D, 0x8F56, 0x11D0, { 0xA3, 0xB9, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96 } };

} // namespace

BEGIN_MESSAGE_MAP(CDeviceDispatcher, CFrameWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_DEVICECHANGE, OnDeviceChange)
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_MESSAGE(kCloseMessage, OnCloseMessage)
END_MESSAGE_MAP()

CDeviceDispatcher::CDeviceDispatcher() = default;

CDeviceDispatcher::~CDeviceDispatcher()
{
    if (mDestroyed)
        *mDestroyed = true;
    CleanUp();
}

int CDeviceDispatcher::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CFrameWnd::OnCreate(createStruct) == -1)
        return -1;
    RegisterForDevices();
    return 0;
}

void CDeviceDispatcher::RegisterForDevices()
{
    // Looked up rather than linked, so that a system without them still runs (and hears of
    // no devices).
    HMODULE user = ::GetModuleHandleA("user32.dll");
    if (!user)
        return;
    mUnregister = reinterpret_cast<UnregisterFunc>(::GetProcAddress(user, "UnregisterDeviceNotification"));
    mRegister = reinterpret_cast<RegisterFunc>(::GetProcAddress(user, "RegisterDeviceNotificationA"));
    if (!mRegister)
        return;
    DEV_BROADCAST_DEVICEINTERFACE_A filter = {};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kCaptureCategory;
    mNotification = mRegister(m_hWnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

int CDeviceDispatcher::GetQueuedCount()
{
    CTwSingleLock lock(mQueueLock, true);
    return mQueue.GetItemCount();
}

LRESULT CDeviceDispatcher::OnDeviceChange(WPARAM event, LPARAM record)
{
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(record);
    if ((event == DBT_DEVICEARRIVAL || event == DBT_DEVICEREMOVECOMPLETE) && header
        && header->dbch_size >= sizeof(DEV_BROADCAST_HDR) && header->dbch_size <= kMaxRecordSize) {
        std::unique_ptr<SRecord> copy(new SRecord{ static_cast<UINT>(event), CHandle() });
        if (copy->data.Append(header, header->dbch_size)) {
            CTwSingleLock lock(mQueueLock, true);
            mQueue.Add(copy.release());
            if (!mTimer)
                mTimer = SetTimer(kTimerId, kSpacingMs);
        }
    }
    return Default();
}

CDeviceDispatcher::SRecord* CDeviceDispatcher::TakeFirst()
{
    CTwSingleLock lock(mQueueLock, true);
    auto* record = static_cast<SRecord*>(mQueue.RemoveAt(0));
    if (mQueue.GetItemCount() == 0 && mTimer) {
        KillTimer(mTimer);
        mTimer = 0;
    }
    return record;
}

void CDeviceDispatcher::OnTimer(UINT_PTR id)
{
    if (id != kTimerId) {
        CFrameWnd::OnTimer(id);
        return;
    }
    // The record leaves the queue before the broadcast, and the lock is not held while the
    // listeners run, so that they may do anything, the controller's Stop included.
    std::unique_ptr<SRecord> record(TakeFirst());
    if (!record)
        return;
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(record->data.GetBuffer());
    if (header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE
        || record->data.GetSize() < sizeof(DEV_BROADCAST_DEVICEINTERFACE_A))
        return;
    bool destroyed = false;
    mDestroyed = &destroyed;
    mBroadcaster.Broadcast(kDeviceEvent, reinterpret_cast<const void*>(static_cast<ULONG_PTR>(record->event)),
                           record->data.GetBuffer());
    if (!destroyed)
        mDestroyed = nullptr;
}

void CDeviceDispatcher::OnClose()
{
    CleanUp();
    CFrameWnd::OnClose();
}

void CDeviceDispatcher::OnDestroy()
{
    CleanUp();
    CFrameWnd::OnDestroy();
}

LRESULT CDeviceDispatcher::OnCloseMessage(WPARAM, LPARAM)
{
    DestroyWindow();
    return 0;
}

void CDeviceDispatcher::CleanUp()
{
    if (mNotification && mUnregister)
        mUnregister(mNotification);
    mNotification = nullptr;
    if (mTimer && m_hWnd)
        KillTimer(mTimer);
    mTimer = 0;
    CTwSingleLock lock(mQueueLock, true);
    for (int i = 0; i < mQueue.GetItemCount(); ++i)
        delete static_cast<SRecord*>(mQueue.GetAt(i));
    mQueue.RemoveAll();
}
