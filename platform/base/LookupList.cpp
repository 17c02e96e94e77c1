#include "LookupList.h"

#include <windows.h>

CLookupList::CLookupList() = default;

CLookupList::CLookupList(const CLookupList& other)
{
    for (const CTextPair* pair : other.mPairs)
        AddLookup(pair->GetName(), pair->GetValue());
}

CLookupList& CLookupList::operator=(const CLookupList& other)
{
    if (this != &other) {
        CLookupList copy(other);
        mPairs.swap(copy.mPairs);
    }
    return *this;
}

CLookupList::~CLookupList()
{
    RemoveAllLookups();
}

CTextPair* CLookupList::AddLookup(const char* name, const char* value)
{
    mPairs.push_back(new CTextPair(name, value));
    return mPairs.back();
}

int CLookupList::GetLookupCount() const
{
    return static_cast<int>(mPairs.size());
}

CTextPair* CLookupList::GetLookup(int index) const
{
    return index >= 0 && index < GetLookupCount() ? mPairs[index] : nullptr;
}

CTextPair* CLookupList::FindLookup(const char* name) const
{
    for (CTextPair* pair : mPairs) {
        if (lstrcmpiA(pair->GetName(), name ? name : "") == 0)
            return pair;
    }
    return nullptr;
}

const char* CLookupList::GetLookupValue(const char* name, const char* defaultValue) const
{
    CTextPair* pair = FindLookup(name);
    return pair ? pair->GetValue() : defaultValue;
}

CTextPair* CLookupList::RemoveLookup(int index)
{
    CTextPair* pair = GetLookup(index);
    if (pair)
        mPairs.erase(mPairs.begin() + index);
    return pair;
}

void CLookupList::RemoveAllLookups()
{
    for (CTextPair* pair : mPairs)
        delete pair;
    mPairs.clear();
}
