#pragma once
#include "PersistClass.h"

#include <vector>

// An ordered list of persistent objects, itself persistent. An owning list deletes the
// objects it holds when they are deleted from it, when it is cleared and when it goes
// away; a non-owning list only points at objects others own.
//
// Remove and RemoveAt only take an object out (the caller then owns it, whatever the
// list); DeleteAt and DeleteAll also delete it when the list owns it. Null objects and
// the list itself are never added, and an owning list takes an object only once (it
// would delete it twice).
//
// Listeners (displays) are told of every change with Notify, the index in data1:
// kItemAdded after an object was added at that index, kItemRemoved after the object at
// that index was taken out (before an owning list deletes it), kListChanged after the
// list was replaced as a whole (assignment).
//
// Saved, the list holds its count under "Count" and, for each object i, its type code
// under "Type<i>" and the object under "Item<i>". Loading clears the list and creates the
// objects by type code through CMetaClass; it stops at the first type nobody registered,
// as a storage that finds values by position could not step over the unknown object's
// values anyway. A non-owning list loads nothing: it could not own what it creates.
//
// Copying an owning list copies its objects (Clone; objects that give no clone are left
// out); a non-owning copy shares them. Assignment keeps the list's own ownership.
class TNWBS_CLASS CPersistList : public CPersistObject {
public:
    DECLARE_PERSIST_CLASS()

    static constexpr long kPersistListType = 'plis';
    static constexpr long kItemAdded = 'ladd';
    static constexpr long kItemRemoved = 'lrem';
    static constexpr long kListChanged = 'lchg';
    static const char* const kCountTag;


    explicit CPersistList(bool owning = true);
    CPersistList(const CPersistList& other);
    CPersistList& operator=(const CPersistList& other);
    ~CPersistList() override;

    bool IsOwning() const;

    // The index the object was put at, -1 when it was refused.
    int Add(CPersistObject* object);
    // index is clamped to 0 .. GetItemCount(); returns the index used, -1 when refused.
    int Insert(int index, CPersistObject* object);
    bool Remove(CPersistObject* object);
    CPersistObject* RemoveAt(int index);
    void DeleteAt(int index);
    void DeleteAll();

    int GetItemCount() const;
    // Null for an index out of range.
    CPersistObject* GetAt(int index) const;
    int GetIndex(const CPersistObject* object) const;
    CPersistObject* GetFirst() const;
    CPersistObject* GetLast() const;
    // The object after (before) object, null at the end or when object is not held.
    CPersistObject* GetNext(const CPersistObject* object) const;
    CPersistObject* GetPrevious(const CPersistObject* object) const;

    bool IsList() override;
    bool Accept(CPersistObject* object) override;
    void Clear() override;
    bool Validate(bool deep) override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

private:
    // The objects for a copy: clones, or the same objects.
    std::vector<CPersistObject*> CopyItems(bool clone) const;

    std::vector<CPersistObject*> mItems;
    bool mOwning;
};
