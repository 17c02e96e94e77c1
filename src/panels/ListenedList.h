#pragma once
#include "tnwbscut.h"

#include <utility>
#include <vector>

// The broadcasters that one listener keeps in a list and listens to: the expandable panels
// of a panel manager, the panels of a group, the pages of a panel stack. Adding an item
// registers the listener with it, removing one unregisters it.
//
// Either side may be destroyed first. A broadcaster that is destroyed forgets its listeners
// (and they forget it), so an item the listener no longer listens to is gone: the list
// drops it before every look at its items and never hands out a pointer to a destroyed
// object. Each item's broadcaster address is taken when it is added, while the item is
// alive, so that dropping compares addresses only. The listener's own destruction ends its
// registrations anyway; RemoveAll ends them earlier.
//
// An item is listed once. An item added at the address of one that was destroyed replaces
// the dead entry.
template <class T>
class CListenedList {
public:
    explicit CListenedList(CListener& owner) : mOwner(owner) {}
    CListenedList(const CListenedList&) = delete;
    CListenedList& operator=(const CListenedList&) = delete;
    ~CListenedList() { RemoveAll(); }

    // False for null or an item already listed.
    bool Add(T* item)
    {
        Prune();
        if (!item || Contains(item))
            return false;
        CBroadcaster* broadcaster = item;
        broadcaster->AddListener(&mOwner);
        mItems.emplace_back(item, broadcaster);
        return true;
    }

    void RemoveAll()
    {
        Prune();
        for (auto& entry : mItems)
            entry.second->RemoveListener(&mOwner);
        mItems.clear();
    }

    // Whether the object at this address is a listed item; the address may be that of
    // anything (a broadcast's sender), it is only compared.
    bool Contains(const void* item)
    {
        return Find(item) != nullptr;
    }
    // The listed item at this address, or null.
    T* Find(const void* item)
    {
        Prune();
        for (auto& entry : mItems) {
            if (static_cast<const void*>(entry.first) == item)
                return entry.first;
        }
        return nullptr;
    }

    int GetCount()
    {
        Prune();
        return static_cast<int>(mItems.size());
    }
    // Null for an index out of range.
    T* GetAt(int index)
    {
        Prune();
        return index >= 0 && index < static_cast<int>(mItems.size()) ? mItems[static_cast<size_t>(index)].first
                                                                     : nullptr;
    }

    // The live items, in the order they were added: a copy, so that the caller may add or
    // remove items while it walks them.
    std::vector<T*> Items()
    {
        Prune();
        std::vector<T*> items;
        items.reserve(mItems.size());
        for (auto& entry : mItems)
            items.push_back(entry.first);
        return items;
    }

private:
    void Prune()
    {
        for (auto entry = mItems.begin(); entry != mItems.end();) {
            if (mOwner.IsListeningTo(entry->second))
                ++entry;
            else
                entry = mItems.erase(entry);
        }
    }

    CListener& mOwner;
    std::vector<std::pair<T*, CBroadcaster*>> mItems;
};
