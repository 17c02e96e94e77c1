#include "persist/ListControlPersistStorage.h"

#include <cstring>

CListControlPersistStorage::CListControlPersistStorage(const char*, CListCtrl& list)
    : mList(&list), mRow(0), mDepth(0), mColumnsMade(false)
{
}

CListControlPersistStorage::~CListControlPersistStorage() = default;

void CListControlPersistStorage::EnterObject(const char* name)
{
    CHeaderCtrl* header = mList->GetSafeHwnd() ? mList->GetHeaderCtrl() : nullptr;
    if (!mColumnsMade || (header && header->GetItemCount() == 0)) {
        mList->InsertColumn(0, "Property", LVCFMT_LEFT, 80);
        mList->InsertColumn(1, "Value", LVCFMT_LEFT, 160);
        mColumnsMade = true;
    }
    InsertRow(name, nullptr);
    ++mDepth;
}

void CListControlPersistStorage::LeaveObject()
{
    --mDepth;
}

void CListControlPersistStorage::SaveString(const char* name, const char* text)
{
    if (name && std::strcmp(name, CPersistObject::kPersistObjectVersionTag) == 0)
        return;
    InsertRow(name, text);
}

void CListControlPersistStorage::ShowProperty(const char* name, const char* text)
{
    SaveString(name, text);
}

int CListControlPersistStorage::InsertRow(const char* name, const char* text)
{
    const int row = mList->InsertItem(mRow, name ? name : "");
    if (row < 0)
        return -1;
    if (text)
        mList->SetItemText(row, 1, text);
    mRow = row + 1;
    return row;
}
