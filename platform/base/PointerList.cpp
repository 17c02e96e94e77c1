#include "PointerList.h"

#include <algorithm>

CPointerList::CPointerList() : mCompare(nullptr), mSearch(nullptr) {}

CPointerList::~CPointerList() = default;

void CPointerList::SetCompareFunc(CompareFunc compare)
{
    mCompare = compare;
    if (mCompare)
        std::stable_sort(mItems.begin(), mItems.end(), [compare](void* item1, void* item2) {
            return compare(item1, item2) < 0;
        });
}

CPointerList::CompareFunc CPointerList::GetCompareFunc() const
{
    return mCompare;
}

void CPointerList::SetSearchFunc(SearchFunc search)
{
    mSearch = search;
}

CPointerList::SearchFunc CPointerList::GetSearchFunc() const
{
    return mSearch;
}

int CPointerList::Add(void* item)
{
    if (!mCompare) {
        mItems.push_back(item);
        return GetItemCount() - 1;
    }
    // The first position whose item belongs after the new one.
    size_t low = 0, high = mItems.size();
    while (low < high) {
        size_t middle = low + (high - low) / 2;
        if (mCompare(item, mItems[middle]) < 0)
            high = middle;
        else
            low = middle + 1;
    }
    mItems.insert(mItems.begin() + low, item);
    return static_cast<int>(low);
}

int CPointerList::InsertAt(int index, void* item)
{
    index = std::max(0, std::min(index, GetItemCount()));
    mItems.insert(mItems.begin() + index, item);
    return index;
}

void CPointerList::Reserve(int count)
{
    if (count > 0)
        mItems.reserve(static_cast<size_t>(count));
}

int CPointerList::GetIndex(const void* item) const
{
    auto found = std::find(mItems.begin(), mItems.end(), item);
    return found == mItems.end() ? -1 : static_cast<int>(found - mItems.begin());
}

void* CPointerList::Find(const void* key) const
{
    for (void* item : mItems) {
        if (mSearch ? mSearch(item, key) == 0 : item == key)
            return item;
    }
    return nullptr;
}

bool CPointerList::Remove(const void* item)
{
    int index = GetIndex(item);
    if (index < 0)
        return false;
    mItems.erase(mItems.begin() + index);
    return true;
}

void* CPointerList::RemoveAt(int index)
{
    if (!IsIndex(index))
        return nullptr;
    void* item = mItems[index];
    mItems.erase(mItems.begin() + index);
    return item;
}

void CPointerList::RemoveAll()
{
    mItems.clear();
}
