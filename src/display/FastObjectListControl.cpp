#include "FastObjectListControl.h"

#include "util/WindowsUtils.h"

#undef GetObject

BEGIN_MESSAGE_MAP(CFastObjectListControl, CObjectListControl)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
END_MESSAGE_MAP()

BOOL CFastObjectListControl::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= LVS_OWNERDATA;
    return CObjectListControl::PreCreateWindow(cs);
}

LONG_PTR CFastObjectListControl::CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject*, int index)
{
    RowInserted(index, child);
    RefreshPrompt();
    return index;
}

void CFastObjectListControl::DisposeChildDisplayHandle(CObjectDisplay* child)
{
    const int row = GetListIndex(child);
    if (row != -1)
        RowRemoved(row);
    RefreshPrompt();
}

void CFastObjectListControl::SyncDisplays()
{
    SetItemCountEx(GetChildDisplayCount(), LVSICF_NOINVALIDATEALL);
    Invalidate();
}

CObjectDisplay* CFastObjectListControl::FindDisplayFromHandle(LONG_PTR handle)
{
    return handle >= 0 && handle < GetChildDisplayCount() ? GetChildDisplay(static_cast<int>(handle)) : nullptr;
}

void CFastObjectListControl::RefreshOneDisplay(CObjectDisplay* display)
{
    if (!display)
        return;
    CheckItem(static_cast<int>(GetChildDisplayHandle(display)), GetObjectChecked(display->GetObject()));
    UWindowsUtils::Refresh(this);
}

void CFastObjectListControl::OnGetDispInfo(NMHDR* notice, LRESULT* result)
{
    *result = 0;
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(notice)->item;
    CObjectDisplay* display = GetChildDisplay(item.iItem);
    CPersistObject* object = display ? display->GetObject() : nullptr;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
        lstrcpynA(item.pszText, object ? GetObjectText(object, item.iSubItem, false) : "", item.cchTextMax);
    if ((item.mask & LVIF_IMAGE) && object)
        item.iImage = GetObjectImage(object);
}
