#include "display/ObjectTreeControl.h"
#include "display/PersistObjectDataSource.h"

#include "display/ListControlUtils.h"

#undef GetObject

BEGIN_MESSAGE_MAP(CObjectTreeControl, CTreeCtrl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_NOTIFY_REFLECT(TVN_SELCHANGEDA, OnSelChanged)
    ON_NOTIFY_REFLECT(TVN_ENDLABELEDITA, OnEndLabelEdit)
    ON_MESSAGE(CPersistObjectDropTarget::kFindHitObjectMessage, OnFindHitObject)
END_MESSAGE_MAP()

CObjectTreeControl::CObjectTreeControl() : mOtherDropTarget(nullptr)
{
    SetNested(true);
    SetClosing(false);
}

CObjectTreeControl::~CObjectTreeControl()
{
    // While this class is still whole, so that its WM_DESTROY handling unbinds the object
    // and revokes the drop target.
    if (m_hWnd)
        DestroyWindow();
}

const char* CObjectTreeControl::GetObjectText(CPersistObject*, int, bool)
{
    return "Error";
}

int CObjectTreeControl::GetObjectImage(CPersistObject*)
{
    return 0;
}

int CObjectTreeControl::GetImageListResource(int&, int&)
{
    return 0;
}

HTREEITEM CObjectTreeControl::ItemOf(CObjectDisplay* display)
{
    auto* treeDisplay = dynamic_cast<CObjectTreeDisplay*>(display);
    return treeDisplay ? treeDisplay->GetTreeItem() : nullptr;
}

LONG_PTR CObjectTreeControl::CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index)
{
    auto* treeDisplay = dynamic_cast<CObjectTreeDisplay*>(child);
    CObjectDisplay* parent = child ? child->GetParentDisplay() : nullptr;
    if (!treeDisplay || !parent || !object || !m_hWnd)
        return -1;
    HTREEITEM parentItem = TVI_ROOT;
    if (parent != this) {
        parentItem = ItemOf(parent);
        if (!parentItem)
            return -1;
    }
    // After the item of the display before it in its list, so that inserted objects keep
    // their place.
    HTREEITEM after = TVI_FIRST;
    if (index > 0) {
        HTREEITEM previous = ItemOf(parent->GetChildDisplay(index - 1));
        after = previous ? previous : TVI_LAST;
    }
    HTREEITEM item = InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM,
                                GetObjectText(object, 0, false), GetObjectImage(object), GetObjectImage(object), 0,
                                0, reinterpret_cast<LPARAM>(this), parentItem, after);
    if (!item)
        return -1;
    treeDisplay->SetTreeItem(item);
    return reinterpret_cast<LONG_PTR>(item);
}

namespace {

// The tree view deletes an item's children with it: their displays forget their items.
void ForgetItems(CObjectDisplay* display)
{
    if (auto* treeDisplay = dynamic_cast<CObjectTreeDisplay*>(display))
        treeDisplay->SetTreeItem(nullptr);
    for (int index = 0; index < display->GetChildDisplayCount(); ++index)
        ForgetItems(display->GetChildDisplay(index));
}

} // namespace

void CObjectTreeControl::DisposeChildDisplayHandle(CObjectDisplay* child)
{
    if (!child)
        return;
    if (HTREEITEM item = ItemOf(child)) {
        if (m_hWnd)
            DeleteItem(item);
    }
    ForgetItems(child);
}

void CObjectTreeControl::DisplayChanged(CObjectDisplay* changed)
{
    if (IsClosing() || !changed || !m_hWnd)
        return;
    if (changed == this) {
        for (int index = 0; index < GetChildDisplayCount(); ++index)
            RefreshItem(GetChildDisplay(index), true);
    } else {
        RefreshItem(changed, false);
    }
}

void CObjectTreeControl::RefreshItem(CObjectDisplay* display, bool deep)
{
    HTREEITEM item = ItemOf(display);
    CPersistObject* object = display->GetObject();
    if (item && object) {
        const int image = GetObjectImage(object);
        SetItem(item, TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, GetObjectText(object, 0, false), image, image, 0,
                0, 0);
    }
    if (deep) {
        for (int index = 0; index < display->GetChildDisplayCount(); ++index)
            RefreshItem(display->GetChildDisplay(index), true);
    }
}

CObjectDisplay* CObjectTreeControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectTreeDisplay(this) : nullptr;
}

LONG_PTR CObjectTreeControl::GetChildDisplayHandle(CObjectDisplay* child)
{
    HTREEITEM item = ItemOf(child);
    return item ? reinterpret_cast<LONG_PTR>(item) : -1;
}

void CObjectTreeControl::GetSelection(CPointerList& list)
{
    list.RemoveAll();
    CTopObjectDisplay::GetSelection(list);
}

void CObjectTreeControl::SetupImageList()
{
    int cx = 48;
    int cy = 48;
    const int resource = GetImageListResource(cx, cy);
    if (!UListControlUtils::LoadImages(mImageList, resource, cx, cy))
        return;
    SetImageList(&mImageList, TVSIL_NORMAL);
}

CObjectDisplay* CObjectTreeControl::GetHitDisplay(CPoint& point)
{
    UINT flags = 0;
    HTREEITEM item = m_hWnd ? HitTest(point, &flags) : nullptr;
    if (!item || !(flags & kHitFlags))
        return nullptr;
    return FindDisplayFromHandle(reinterpret_cast<LONG_PTR>(item));
}

CObjectDisplay* CObjectTreeControl::GetTreeDisplay(LONG_PTR handle)
{
    return FindDisplayFromHandle(handle);
}

CPersistObjectDropTarget& CObjectTreeControl::CurrentDropTarget()
{
    return mOtherDropTarget ? *mOtherDropTarget : mDropTarget;
}

void CObjectTreeControl::SetDropTarget(CPersistObjectDropTarget* target)
{
    if (target == &mDropTarget)
        target = nullptr;
    if (target == mOtherDropTarget)
        return;
    if (m_hWnd)
        CurrentDropTarget().Revoke();
    mOtherDropTarget = target;
    if (m_hWnd)
        CurrentDropTarget().Register(this);
}

BOOL CObjectTreeControl::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    if (cs.style & WS_BORDER) {
        cs.style &= ~WS_BORDER;
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    return CTreeCtrl::PreCreateWindow(cs);
}

int CObjectTreeControl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (Default() == -1)
        return -1;
    SetClosing(false);
    // Without OLE on this thread the tree works, it only accepts no drags.
    CurrentDropTarget().Register(this);
    SetupImageList();
    return 0;
}

void CObjectTreeControl::OnDestroy()
{
    CurrentDropTarget().Revoke();
    SetClosing(true);
    const bool broadcasting = IsBroadcasting();
    StopBroadcasting();
    SetObject(nullptr);
    if (broadcasting)
        StartBroadcasting();
    // The tree view never owned the image list: take it back before the list goes.
    if (mImageList.m_hImageList)
        CTreeCtrl::SetImageList(nullptr, TVSIL_NORMAL);
    Default();
}

void CObjectTreeControl::OnLButtonDown(UINT, CPoint point)
{
    // The tree view's own handling first: it selects the item, or waits to see whether
    // the press becomes a drag.
    Default();
    if (!m_hWnd)
        return;
    UINT flags = 0;
    HTREEITEM item = HitTest(point, &flags);
    CRect rect;
    if (!item || !(flags & kHitFlags) || !GetItemRect(item, &rect, TRUE))
        return;
    CObjectDisplay* display = FindDisplayFromHandle(reinterpret_cast<LONG_PTR>(item));
    if (display && display->GetObject())
        CPersistObjectDataSource::DragObject(display->GetObject());
}

void CObjectTreeControl::OnSelChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    HTREEITEM caret = GetSelectedItem();
    CObjectDisplay* display = caret ? FindDisplayFromHandle(reinterpret_cast<LONG_PTR>(caret)) : nullptr;
    if (!display)
        return;
    const bool broadcasting = IsBroadcasting();
    StopBroadcasting();
    SelectAll(false);
    if (broadcasting)
        StartBroadcasting();
    display->Select(true);
}

void CObjectTreeControl::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    // The tree view may tell of one edit twice: again while it hides the label editor,
    // which takes the focus from it. Only the edit with its editor on screen counts.
    CEdit* editor = GetEditControl();
    if (editor && !editor->IsWindowVisible())
        return;
    auto* info = reinterpret_cast<NMTVDISPINFOA*>(pNMHDR);
    HTREEITEM item = info->item.hItem;
    CObjectDisplay* display = item ? FindDisplayFromHandle(reinterpret_cast<LONG_PTR>(item)) : nullptr;
    if (!display)
        return;
    display->SetObjectText(info->item.pszText, 0);
    // The edit is refused as far as the tree view goes: the item shows what the object
    // says now, renamed or not. The display may be gone if the object went.
    if (FindDisplayFromHandle(reinterpret_cast<LONG_PTR>(item)) == display)
        RefreshItem(display, false);
}

LRESULT CObjectTreeControl::OnFindHitObject(WPARAM, LPARAM lParam)
{
    auto* record = reinterpret_cast<CPersistObjectDropTarget::FindHitRecord*>(lParam);
    if (!record)
        return 0;
    CPoint point(record->x, record->y);
    if (CObjectDisplay* display = GetHitDisplay(point)) {
        if (display->GetObject())
            record->object = display->GetObject();
    }
    return 0;
}
