#include "PersistList.h"

#include "PersistStorage.h"

#include <algorithm>
#include <cstdio>

// Defined here as well, so that the module exports them: a program that binds one to a
// reference (std::max, a test assertion) links against this definition.
constexpr long CPersistList::kPersistListType;
constexpr long CPersistList::kItemAdded;
constexpr long CPersistList::kItemRemoved;
constexpr long CPersistList::kListChanged;

namespace {

struct ItemTags {
    char type[24];
    char item[24];
    explicit ItemTags(int index)
    {
        std::snprintf(type, sizeof type, "Type%d", index);
        std::snprintf(item, sizeof item, "Item%d", index);
    }
};

} // namespace

const char* const CPersistList::kCountTag = "Count";

IMPLEMENT_PERSIST_CLASS(CPersistList, CPersistObject, kPersistListType)

CPersistList::CPersistList(bool owning) : mOwning(owning) {}

CPersistList::CPersistList(const CPersistList& other)
    : CPersistObject(other), mItems(other.CopyItems(other.mOwning)), mOwning(other.mOwning)
{
}

CPersistList& CPersistList::operator=(const CPersistList& other)
{
    if (this == &other)
        return *this;
    CPersistObject::operator=(other);
    // Copied before anything is deleted: other may hold objects this list owns.
    std::vector<CPersistObject*> items = other.CopyItems(mOwning);
    DeleteAll();
    mItems = items;
    Notify(kListChanged, 0, 0);
    return *this;
}

CPersistList::~CPersistList()
{
    DeleteAll();
}

std::vector<CPersistObject*> CPersistList::CopyItems(bool clone) const
{
    std::vector<CPersistObject*> items;
    for (CPersistObject* object : mItems) {
        CPersistObject* copy = clone ? object->Clone() : object;
        if (copy)
            items.push_back(copy);
    }
    return items;
}

bool CPersistList::IsOwning() const
{
    return mOwning;
}

int CPersistList::Add(CPersistObject* object)
{
    return Insert(GetItemCount(), object);
}

int CPersistList::Insert(int index, CPersistObject* object)
{
    if (!object || object == this || (mOwning && GetIndex(object) >= 0))
        return -1;
    index = std::max(0, std::min(index, GetItemCount()));
    mItems.insert(mItems.begin() + index, object);
    Notify(kItemAdded, index, 0);
    return index;
}

bool CPersistList::Remove(CPersistObject* object)
{
    return RemoveAt(GetIndex(object)) != nullptr;
}

CPersistObject* CPersistList::RemoveAt(int index)
{
    CPersistObject* object = GetAt(index);
    if (!object)
        return nullptr;
    mItems.erase(mItems.begin() + index);
    Notify(kItemRemoved, index, 0);
    return object;
}

void CPersistList::DeleteAt(int index)
{
    CPersistObject* object = RemoveAt(index);
    if (mOwning)
        delete object;
}

void CPersistList::DeleteAll()
{
    for (int index = GetItemCount() - 1; index >= 0; --index)
        DeleteAt(index);
}

int CPersistList::GetItemCount() const
{
    return static_cast<int>(mItems.size());
}

CPersistObject* CPersistList::GetAt(int index) const
{
    return index >= 0 && index < GetItemCount() ? mItems[index] : nullptr;
}

int CPersistList::GetIndex(const CPersistObject* object) const
{
    auto found = std::find(mItems.begin(), mItems.end(), object);
    return found == mItems.end() ? -1 : static_cast<int>(found - mItems.begin());
}

CPersistObject* CPersistList::GetFirst() const
{
    return GetAt(0);
}

CPersistObject* CPersistList::GetLast() const
{
    return GetAt(GetItemCount() - 1);
}

CPersistObject* CPersistList::GetNext(const CPersistObject* object) const
{
    int index = GetIndex(object);
    return index < 0 ? nullptr : GetAt(index + 1);
}

CPersistObject* CPersistList::GetPrevious(const CPersistObject* object) const
{
    int index = GetIndex(object);
    return index < 0 ? nullptr : GetAt(index - 1);
}

bool CPersistList::IsList()
{
    return true;
}

bool CPersistList::Accept(CPersistObject* object)
{
    return object && object != this;
}

void CPersistList::Clear()
{
    DeleteAll();
}

bool CPersistList::Validate(bool deep)
{
    if (!ValidateSelf())
        return false;
    if (deep) {
        for (CPersistObject* object : mItems) {
            if (!object->Validate(true))
                return false;
        }
    }
    return true;
}

void CPersistList::SaveSelf(const char*, CPersistStorage& storage)
{
    storage.Save(kCountTag, static_cast<long>(GetItemCount()));
    for (int index = 0; index < GetItemCount(); ++index) {
        ItemTags tags(index);
        CPersistObject* object = mItems[index];
        storage.Save(tags.type, static_cast<unsigned long>(object->GetObjectType()));
        object->Save(tags.item, storage);
    }
}

void CPersistList::LoadSelf(const char*, CPersistStorage& storage)
{
    if (!mOwning)
        return;
    DeleteAll();
    long count = 0;
    storage.Load(kCountTag, count);
    for (int index = 0; index < count; ++index) {
        ItemTags tags(index);
        unsigned long type = 0;
        storage.Load(tags.type, type);
        CPersistObject* object = CMetaClass::CreateObject(static_cast<long>(type));
        if (!object)
            break;
        object->Load(tags.item, storage);
        Add(object);
    }
}
