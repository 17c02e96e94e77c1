#pragma once
#include "BaseExport.h"
#include "TextPair.h"

#include <vector>

// Name/value pairs in the order they were added. A name may occur more than once; lookups
// by name find the first pair, comparing names without regard to letter case (as Windows
// treats switches and paths). The list owns its pairs; RemoveLookup hands one to the
// caller. Copies copy the pairs. Not locked: guard a list shared by threads.
class TNWBS_CLASS CLookupList {
public:
    CLookupList();
    CLookupList(const CLookupList& other);
    CLookupList& operator=(const CLookupList& other);
    virtual ~CLookupList();

    // Appends a pair and returns it (still owned by the list).
    CTextPair* AddLookup(const char* name, const char* value);
    int GetLookupCount() const;
    // Null for an index out of range.
    CTextPair* GetLookup(int index) const;
    CTextPair* FindLookup(const char* name) const;
    // The value of the first pair named name, or defaultValue when there is none.
    const char* GetLookupValue(const char* name, const char* defaultValue) const;
    // Takes the pair at index out of the list; the caller deletes it. Null for a bad index.
    CTextPair* RemoveLookup(int index);
    void RemoveAllLookups();

private:
    std::vector<CTextPair*> mPairs;
};
