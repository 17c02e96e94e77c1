#pragma once
#include "BaseExport.h"

#include <vector>

// An ordered list of untyped pointers. It owns nothing: whoever fills it deletes the items.
//
// With a compare function the list is kept in ascending order: Add finds the place by
// binary search and puts an item after the items that compare equal to it, so equal items
// stay in the order they were added. Setting a compare function sorts what is already
// there the same way. InsertAt places an item where it is told, sorted or not.
//
// Find walks the list in order and returns the first item the search function matches.
// It does not binary-search a sorted list, because a search function only promises 0 for
// a match, not an order consistent with the compare function.
//
// Out-of-range indexes give null (GetAt, RemoveAt) or -1 (GetIndex), never a fault.
// Copies share the pointers, not the items. Not locked: guard a list shared by threads.
class TNWBS_CLASS CPointerList {
public:
    // Negative when item1 belongs before item2, 0 when equal, positive after.
    typedef int (*CompareFunc)(const void* item1, const void* item2);
    // 0 when the item matches the searched key.
    typedef int (*SearchFunc)(const void* item, const void* key);

    CPointerList();
    virtual ~CPointerList();

    void SetCompareFunc(CompareFunc compare);
    CompareFunc GetCompareFunc() const;
    void SetSearchFunc(SearchFunc search);
    SearchFunc GetSearchFunc() const;

    // Returns the index the item was put at.
    int Add(void* item);
    // index is clamped to 0 .. GetItemCount(); returns the index used.
    int InsertAt(int index, void* item);
    // Makes room for count items in all, so that adding up to that many allocates nothing.
    void Reserve(int count);

    // Inline: lists are walked item by item in the inner loops of their users.
    int GetItemCount() const { return static_cast<int>(mItems.size()); }
    void* GetAt(int index) const { return IsIndex(index) ? mItems[index] : nullptr; }
    // The items in order, GetItemCount() of them, valid until the list changes.
    void* const* GetItems() const { return mItems.data(); }
    // The first index holding item, or -1.
    int GetIndex(const void* item) const;
    // The first item the search function matches with key; without a search function the
    // item that is key itself. Null when none matches.
    void* Find(const void* key) const;

    // Takes the first occurrence of item out; false when it was not there.
    bool Remove(const void* item);
    // Takes the item at index out and returns it (null for a bad index).
    void* RemoveAt(int index);
    void RemoveAll();

private:
    bool IsIndex(int index) const { return index >= 0 && index < GetItemCount(); }

    std::vector<void*> mItems;
    CompareFunc mCompare;
    SearchFunc mSearch;
};
