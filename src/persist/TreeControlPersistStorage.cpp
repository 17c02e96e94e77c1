#include "persist/TreeControlPersistStorage.h"

CTreeControlPersistStorage::CTreeControlPersistStorage(const char*, CTreeCtrl& tree)
    : mTree(&tree), mCurrentItem(nullptr), mLostLevels(0)
{
}

CTreeControlPersistStorage::~CTreeControlPersistStorage() = default;

HTREEITEM CTreeControlPersistStorage::ParentItem() const
{
    return mCurrentItem ? mCurrentItem : TVI_ROOT;
}

void CTreeControlPersistStorage::EnterObject(const char* name)
{
    HTREEITEM item = mLostLevels == 0 ? mTree->InsertItem(name ? name : "", ParentItem(), TVI_LAST) : nullptr;
    if (item)
        mCurrentItem = item;
    else
        ++mLostLevels;
}

void CTreeControlPersistStorage::LeaveObject()
{
    if (mLostLevels > 0)
        --mLostLevels;
    else if (mCurrentItem) {
        mTree->Expand(mCurrentItem, TVE_EXPAND);
        mCurrentItem = mTree->GetParentItem(mCurrentItem);
    }
}

void CTreeControlPersistStorage::SaveString(const char* name, const char* text)
{
    if (mLostLevels > 0)
        return;
    CString leaf;
    leaf.Format("%s: %s", name ? name : "", text ? text : "");
    mTree->InsertItem(leaf, ParentItem(), TVI_LAST);
}

void CTreeControlPersistStorage::ShowProperty(const char* name, const char* text)
{
    SaveString(name, text);
}
