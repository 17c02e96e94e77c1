#include "display/PersistObjectDropTarget.h"
#include "display/PersistObjectDataSource.h"

CLIPFORMAT CPersistObjectDropTarget::sPersistObjectFormat = 0;
bool CPersistObjectDropTarget::sInitialized = CPersistObjectDropTarget::Initialize();

bool CPersistObjectDropTarget::Initialize()
{
    sPersistObjectFormat = static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("Persist Object"));
    return sPersistObjectFormat != 0;
}

CPersistObjectDropTarget::CPersistObjectDropTarget() = default;
CPersistObjectDropTarget::~CPersistObjectDropTarget() = default;

DROPEFFECT CPersistObjectDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT CPersistObjectDropTarget::OnDragOver(CWnd* pWnd, COleDataObject*, DWORD, CPoint point)
{
    FindHitObject(pWnd, point);
    return DROPEFFECT_MOVE;
}

BOOL CPersistObjectDropTarget::OnDrop(CWnd* pWnd, COleDataObject*, DROPEFFECT, CPoint point)
{
    FindHitObject(pWnd, point);
    return FALSE;
}

CPersistObject* CPersistObjectDropTarget::FindHitObject(CWnd* window, CPoint point)
{
    FindHitRecord record = { nullptr, point.x, point.y };
    if (window->GetSafeHwnd())
        window->SendMessage(kFindHitObjectMessage, 0, reinterpret_cast<LPARAM>(&record));
    return record.object;
}

CPersistObject* CPersistObjectDropTarget::GetDraggedObject(COleDataObject* data)
{
    if (!data || !sPersistObjectFormat)
        return nullptr;
    HGLOBAL block = data->GetGlobalData(sPersistObjectFormat);
    if (!block)
        return nullptr;
    CPersistObject* object = nullptr;
    if (::GlobalSize(block) >= sizeof object) {
        if (const void* bytes = ::GlobalLock(block)) {
            memcpy(&object, bytes, sizeof object);
            ::GlobalUnlock(block);
        }
    }
    ::GlobalFree(block);
    return CPersistObjectDataSource::IsOffered(object) ? object : nullptr;
}
