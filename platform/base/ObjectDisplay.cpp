#include "ObjectDisplay.h"

#include "PersistList.h"
#include "PersistObject.h"
#include "TopObjectDisplay.h"

// Defined here as well, so that the module exports them: a program that binds one to a
// reference (std::max, a test assertion) links against this definition.
constexpr long CObjectDisplay::kSelectionChanged;
constexpr long CObjectDisplay::kObjectTextEdited;

// The member is defined under its own name (see the header).
#undef GetObject

CObjectDisplay::CObjectDisplay(CObjectDisplay* parent)
    : mParent(parent), mObject(nullptr), mList(nullptr), mSelected(false), mClosing(false)
{
}

CObjectDisplay::~CObjectDisplay()
{
    // The parent (often the control itself) is going away too: children are deleted
    // without asking it to dispose of their items.
    for (int index = GetChildDisplayCount() - 1; index >= 0; --index)
        delete GetChildDisplay(index);
    mChildren.RemoveAll();
    Unbind();
}

bool CObjectDisplay::Respond(long code, CBroadcaster* broadcaster, long data1, long data2)
{
    bool fromObject = mObject && broadcaster == static_cast<CBroadcaster*>(mObject);
    bool fromList = mList && broadcaster == static_cast<CBroadcaster*>(mList);
    if ((fromObject || fromList) && code == CPersistObject::kObjectDestroyed) {
        Forget();
        return true;
    }
    if (!fromList)
        return CListener::Respond(code, broadcaster, data1, data2);

    // Children mirror the list one to one; a list that changed without telling (its
    // broadcasting was off) is rebuilt rather than patched wrongly.
    switch (code) {
    case CPersistList::kItemAdded:
        if (!MirrorsListExcept(data1, true)) {
            Refresh();
        } else {
            CreateChild(mList->GetAt(data1), data1);
            SyncDisplays();
        }
        return true;
    case CPersistList::kItemRemoved:
        if (!MirrorsListExcept(data1, false)) {
            Refresh();
        } else {
            RemoveChildDisplay(GetChildDisplay(data1));
            SyncDisplays();
        }
        return true;
    case CPersistList::kListChanged:
        Refresh();
        return true;
    default:
        return CListener::Respond(code, broadcaster, data1, data2);
    }
}

LONG_PTR CObjectDisplay::CreateDisplayHandle(CPersistObject* object, int index)
{
    return mParent ? mParent->CreateChildDisplayHandle(this, object, index) : -1;
}

LONG_PTR CObjectDisplay::CreateChildDisplayHandle(CObjectDisplay*, CPersistObject*, int index)
{
    return index;
}

void CObjectDisplay::DisposeDisplayHandle(bool withDescendants)
{
    if (withDescendants) {
        for (int index = 0; index < GetChildDisplayCount(); ++index)
            GetChildDisplay(index)->DisposeDisplayHandle(true);
    }
    if (mParent)
        mParent->DisposeChildDisplayHandle(this);
}

void CObjectDisplay::DisposeChildDisplayHandle(CObjectDisplay*) {}

void CObjectDisplay::DisplayChanged(CObjectDisplay* changed)
{
    if (mParent)
        mParent->DisplayChanged(changed);
    else
        Redraw();
}

void CObjectDisplay::SyncDisplays() {}

CObjectDisplay* CObjectDisplay::FindDisplayFromHandle(LONG_PTR handle)
{
    if (handle == -1)
        return nullptr;
    // Handles are often child indexes: try the child at that index before searching.
    if (handle >= 0 && handle < GetChildDisplayCount()) {
        CObjectDisplay* child = GetChildDisplay(static_cast<int>(handle));
        if (GetChildDisplayHandle(child) == handle)
            return child;
    }
    for (int index = 0; index < GetChildDisplayCount(); ++index) {
        CObjectDisplay* child = GetChildDisplay(index);
        if (GetChildDisplayHandle(child) == handle)
            return child;
    }
    for (int index = 0; index < GetChildDisplayCount(); ++index) {
        if (CObjectDisplay* found = GetChildDisplay(index)->FindDisplayFromHandle(handle))
            return found;
    }
    return nullptr;
}

bool CObjectDisplay::IsDisplayHandle(LONG_PTR handle)
{
    return handle != -1 && GetDisplayHandle() == handle;
}

CObjectDisplay* CObjectDisplay::GetParentDisplay()
{
    return mParent;
}

CTopObjectDisplay* CObjectDisplay::GetTopDisplay()
{
    return mParent ? mParent->GetTopDisplay() : nullptr;
}

void CObjectDisplay::SetObject(CPersistObject* object)
{
    if (object == mObject)
        return;
    Unbind();
    Bind(object);
    Refresh();
}

CPersistList* CObjectDisplay::GetList(CPersistObject* object)
{
    return object && object->IsList() ? static_cast<CPersistList*>(object) : nullptr;
}

void CObjectDisplay::Refresh()
{
    RemoveChildren();
    CreateChildren();
    SyncDisplays();
}

void CObjectDisplay::RemoveChildren()
{
    for (int index = GetChildDisplayCount() - 1; index >= 0; --index)
        RemoveChildDisplay(GetChildDisplay(index));
}

void CObjectDisplay::RemoveChildDisplay(CObjectDisplay* child)
{
    // RemoveChildren takes the children from the last one down: looked for from the end,
    // each is found at once, and taking 100,000 of them away stays linear.
    int index = GetChildDisplayCount() - 1;
    while (index >= 0 && GetChildDisplay(index) != child)
        --index;
    if (!child || index < 0)
        return;
    child->RemoveChildren();
    child->DisposeDisplayHandle(false);
    if (GetChildDisplay(index) != child)
        index = GetChildIndex(child);
    mChildren.RemoveAt(index);
    delete child;
}

void CObjectDisplay::CreateChildren()
{
    if (!mList)
        return;
    for (int index = 0; index < mList->GetItemCount(); ++index)
        CreateChild(mList->GetAt(index), index);
}

CObjectDisplay* CObjectDisplay::CreateChild(CPersistObject* object, int index)
{
    CObjectDisplay* child = CreateChildDisplay(object);
    if (!child)
        return nullptr;
    child->mParent = this;
    index = mChildren.InsertAt(index, child);
    child->Bind(object);
    child->CreateDisplayHandle(object, index);
    child->CreateChildren();
    return child;
}

CObjectDisplay* CObjectDisplay::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectDisplay(this) : nullptr;
}

LONG_PTR CObjectDisplay::GetDisplayHandle()
{
    return mParent ? mParent->GetChildDisplayHandle(this) : -1;
}

LONG_PTR CObjectDisplay::GetChildDisplayHandle(CObjectDisplay* child)
{
    return GetChildIndex(child);
}

void CObjectDisplay::SetObjectText(char* text, long field)
{
    if (text && field == 0)
        GetAnnouncer()->Broadcast(kObjectTextEdited, this, text);
}

void CObjectDisplay::Redraw()
{
    if (mParent)
        mParent->Redraw();
}

void CObjectDisplay::Select(bool select)
{
    if (mParent)
        mParent->SelectChild(this, select);
    else
        SetSelected(select);
}

bool CObjectDisplay::IsSelected()
{
    return mSelected;
}

void CObjectDisplay::SelectChild(CObjectDisplay* child, bool select)
{
    if (!child || child->mSelected == select)
        return;
    child->SetSelected(select);
    bool selected = select;
    GetAnnouncer()->Broadcast(kSelectionChanged, child, &selected);
}

void CObjectDisplay::SelectAll(bool select)
{
    for (int index = 0; index < GetChildDisplayCount(); ++index) {
        CObjectDisplay* child = GetChildDisplay(index);
        child->Select(select);
        child->SelectAll(select);
    }
}

int CObjectDisplay::GetSelectionCount()
{
    int count = 0;
    for (int index = 0; index < GetChildDisplayCount(); ++index) {
        CObjectDisplay* child = GetChildDisplay(index);
        count += (child->IsSelected() ? 1 : 0) + child->GetSelectionCount();
    }
    return count;
}

void CObjectDisplay::GetSelection(CPointerList& list)
{
    for (int index = 0; index < GetChildDisplayCount(); ++index) {
        CObjectDisplay* child = GetChildDisplay(index);
        if (child->IsSelected())
            list.Add(child);
        child->GetSelection(list);
    }
}

CObjectDisplay* CObjectDisplay::GetSelection()
{
    for (int index = 0; index < GetChildDisplayCount(); ++index) {
        CObjectDisplay* child = GetChildDisplay(index);
        if (child->IsSelected())
            return child;
        if (CObjectDisplay* selected = child->GetSelection())
            return selected;
    }
    return nullptr;
}

bool CObjectDisplay::CanCopy()
{
    return false;
}

bool CObjectDisplay::CanPaste()
{
    return false;
}

bool CObjectDisplay::CanDelete()
{
    for (int index = 0; index < GetChildDisplayCount(); ++index) {
        CObjectDisplay* child = GetChildDisplay(index);
        bool inList = mList && mList->GetIndex(child->mObject) >= 0;
        if ((child->IsSelected() && inList) || child->CanDelete())
            return true;
    }
    return false;
}

bool CObjectDisplay::CanSelectAll()
{
    return GetChildDisplayCount() > 0;
}

bool CObjectDisplay::Copy()
{
    return false;
}

bool CObjectDisplay::Cut()
{
    return Copy() && Delete();
}

bool CObjectDisplay::Paste()
{
    return false;
}

bool CObjectDisplay::Delete()
{
    bool deleted = false;
    // From the last child down: deleting an object removes its child display.
    for (int index = GetChildDisplayCount() - 1; index >= 0; --index) {
        CObjectDisplay* child = GetChildDisplay(index);
        if (!child)
            continue;
        int listIndex = mList ? mList->GetIndex(child->mObject) : -1;
        if (child->IsSelected() && listIndex >= 0) {
            mList->DeleteAt(listIndex);
            deleted = true;
        } else if (child->Delete()) {
            deleted = true;
        }
    }
    return deleted;
}

CPersistObject* CObjectDisplay::GetObject() const
{
    return mObject;
}

CPersistList* CObjectDisplay::GetDisplayedList() const
{
    return mList;
}

int CObjectDisplay::GetChildDisplayCount() const
{
    return mChildren.GetItemCount();
}

CObjectDisplay* CObjectDisplay::GetChildDisplay(int index) const
{
    return static_cast<CObjectDisplay*>(mChildren.GetAt(index));
}

int CObjectDisplay::GetChildIndex(const CObjectDisplay* child) const
{
    return mChildren.GetIndex(child);
}

CObjectDisplay* CObjectDisplay::FindChildDisplay(const CPersistObject* object) const
{
    for (int index = 0; index < GetChildDisplayCount(); ++index) {
        CObjectDisplay* child = GetChildDisplay(index);
        if (child->mObject == object)
            return child;
    }
    return nullptr;
}

void CObjectDisplay::SetSelected(bool selected)
{
    mSelected = selected;
}

void CObjectDisplay::SetClosing(bool closing)
{
    mClosing = closing;
}

bool CObjectDisplay::IsClosing() const
{
    return mClosing;
}

bool CObjectDisplay::ShowsList()
{
    if (!mParent)
        return true;
    CTopObjectDisplay* top = GetTopDisplay();
    return top && top->IsNested();
}

void CObjectDisplay::Bind(CPersistObject* object)
{
    mObject = object;
    mList = object && ShowsList() ? GetList(object) : nullptr;
    if (mObject)
        mObject->AddListener(this);
    if (mList)
        mList->AddListener(this);
}

void CObjectDisplay::Unbind()
{
    if (mObject)
        mObject->RemoveListener(this);
    if (mList)
        mList->RemoveListener(this);
    mObject = nullptr;
    mList = nullptr;
}

bool CObjectDisplay::MirrorsListExcept(int changed, bool added) const
{
    int childCount = GetChildDisplayCount();
    if (changed < 0 || childCount != mList->GetItemCount() + (added ? -1 : 1))
        return false;
    int child = 0, item = 0;
    while (child < childCount) {
        if (added && item == changed) {
            ++item;
        } else if (!added && child == changed) {
            ++child;
        } else {
            if (GetChildDisplay(child)->mObject != mList->GetAt(item))
                return false;
            ++child;
            ++item;
        }
    }
    return true;
}

void CObjectDisplay::Forget()
{
    RemoveChildren();
    Unbind();
    SyncDisplays();
}

CBroadcaster* CObjectDisplay::GetAnnouncer()
{
    CTopObjectDisplay* top = GetTopDisplay();
    if (top)
        return top;
    CObjectDisplay* root = this;
    while (root->mParent)
        root = root->mParent;
    return root;
}
