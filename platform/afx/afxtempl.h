#pragma once
// Collection templates: CArray, CList, CMap and the typed pointer wrappers CTypedPtrArray
// and CTypedPtrList. The framework's named collections (afxcoll.h) are made from them.
//
// Choices of this framework:
// - An array index or range outside the array is a programming error; it throws
//   std::out_of_range rather than touching memory that is not the array's. InsertAt past
//   the end first grows the array with default elements up to the index.
// - Arrays grow geometrically; the nGrowBy argument of SetSize is accepted and not needed.
//   Lists and maps allocate one node per element; nBlockSize is accepted and not needed.
// - A list's POSITION stays valid, whatever else is inserted or removed, until its own
//   element is removed. AddHead and AddTail of a list to itself add one copy of it.
// - A map's hash table keeps the size InitHashTable gave it (17 by default); InitHashTable
//   on a map with entries rehashes them. While a map is walked with GetNextAssoc, the entry
//   just returned may be removed or changed; entries added meanwhile may or may not be
//   visited.
// - GetHead, GetTail, RemoveHead and RemoveTail need a list that is not empty.
#include "afxver_.h"
#include "afxobj.h"
#include "afxstr.h"

#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

// Where an element of a list or map sits, for walking and changing it; null past the end.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(-1))

// How collections compare and hash elements; specialise them for other kinds of keys.
template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    if constexpr (std::is_pointer_v<ARG_KEY>)
        return static_cast<UINT>(reinterpret_cast<DWORD_PTR>(key) >> 4);
    else
        return static_cast<UINT>(static_cast<DWORD_PTR>(key) >> 4);
}

template <>
inline UINT AFXAPI HashKey<LPCSTR>(LPCSTR key)
{
    UINT hash = 0;
    while (key && *key)
        hash = (hash << 5) + hash + static_cast<BYTE>(*key++);
    return hash;
}

template <>
inline UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCSTR>(key);
}

// A growable array of TYPE, passed in as ARG_TYPE. Indexes outside the array throw
// std::out_of_range (see afxtempl.h).
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        (void)nGrowBy;
        if (nNewSize < 0)
            throw std::out_of_range("CArray::SetSize");
        m_data.resize(static_cast<size_t>(nNewSize));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data.at(Index(nIndex)); }
    TYPE& GetAt(INT_PTR nIndex) { return m_data.at(Index(nIndex)); }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data.at(Index(nIndex)) = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data.at(Index(nIndex)); }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data.at(Index(nIndex)); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    // The elements in one block, or null when there are none.
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        TYPE value(newElement); // newElement may refer to an element that growing moves
        if (nIndex >= GetSize())
            SetSize(nIndex + 1);
        ElementAt(nIndex) = std::move(value);
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        TYPE value(newElement);
        m_data.push_back(std::move(value));
        return GetUpperBound();
    }
    // Adds the elements of src at the end; returns the index of the first one added.
    INT_PTR Append(const CArray& src)
    {
        const INT_PTR first = GetSize();
        InsertAt(first, &src);
        return first;
    }
    void Copy(const CArray& src)
    {
        if (&src != this)
            m_data = src.m_data;
    }

    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0)
            throw std::out_of_range("CArray::InsertAt");
        TYPE value(newElement);
        if (nIndex > GetSize())
            SetSize(nIndex);
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), value);
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (nStartIndex < 0)
            throw std::out_of_range("CArray::InsertAt");
        const std::vector<TYPE> inserted(pNewArray->m_data); // it may be this very array
        if (nStartIndex > GetSize())
            SetSize(nStartIndex);
        m_data.insert(m_data.begin() + nStartIndex, inserted.begin(), inserted.end());
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0 || nIndex > GetSize() - nCount)
            throw std::out_of_range("CArray::RemoveAt");
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

private:
    static size_t Index(INT_PTR nIndex)
    {
        if (nIndex < 0)
            throw std::out_of_range("CArray index");
        return static_cast<size_t>(nIndex);
    }

    std::vector<TYPE> m_data;
};

// A doubly linked list of TYPE, walked with POSITION values that stay valid until their
// own element is removed.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
protected:
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return m_pNodeHead->data; }
    const TYPE& GetHead() const { return m_pNodeHead->data; }
    TYPE& GetTail() { return m_pNodeTail->data; }
    const TYPE& GetTail() const { return m_pNodeTail->data; }
    TYPE RemoveHead()
    {
        TYPE value(std::move(m_pNodeHead->data));
        Unlink(m_pNodeHead);
        return value;
    }
    TYPE RemoveTail()
    {
        TYPE value(std::move(m_pNodeTail->data));
        Unlink(m_pNodeTail);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(nullptr, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(nullptr, newElement); }
    void AddHead(const CList* pNewList)
    {
        // Walk a fixed count, so that a list added to itself ends.
        INT_PTR remaining = pNewList->m_nCount;
        for (CNode* node = pNewList->m_pNodeTail; remaining-- > 0; node = node->pPrev)
            AddHead(node->data);
    }
    void AddTail(const CList* pNewList)
    {
        INT_PTR remaining = pNewList->m_nCount;
        for (CNode* node = pNewList->m_pNodeHead; remaining-- > 0; node = node->pNext)
            AddTail(node->data);
    }
    void RemoveAll()
    {
        while (m_pNodeHead)
            Unlink(m_pNodeHead);
    }

    POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }
    // Return the element at rPosition and move rPosition to the next (previous) one.
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, &CNode::pNext); }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, &CNode::pNext); }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, &CNode::pPrev); }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, &CNode::pPrev); }
    TYPE& GetAt(POSITION position) { return ToNode(position)->data; }
    const TYPE& GetAt(POSITION position) const { return ToNode(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { ToNode(pos)->data = newElement; }
    void RemoveAt(POSITION position) { Unlink(ToNode(position)); }

    // A null position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        CNode* next = position ? ToNode(position) : m_pNodeHead;
        return Link(new CNode{ nullptr, nullptr, TYPE(newElement) }, next ? next->pPrev : nullptr, next);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        CNode* prev = position ? ToNode(position) : m_pNodeTail;
        return Link(new CNode{ nullptr, nullptr, TYPE(newElement) }, prev, prev ? prev->pNext : nullptr);
    }

    // The first element after startAfter (from the head when null) equal to searchValue.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        for (CNode* node = startAfter ? ToNode(startAfter)->pNext : m_pNodeHead; node;
             node = node->pNext) {
            if (CompareElements(&node->data, &searchValue))
                return ToPosition(node);
        }
        return nullptr;
    }
    // The position of the element at a zero-based index, or null.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* node = m_pNodeHead;
        while (nIndex-- > 0)
            node = node->pNext;
        return ToPosition(node);
    }

protected:
    static POSITION ToPosition(CNode* node) { return reinterpret_cast<POSITION>(node); }
    static CNode* ToNode(POSITION position) { return reinterpret_cast<CNode*>(position); }
    static TYPE& Step(POSITION& rPosition, CNode* CNode::*link)
    {
        CNode* node = ToNode(rPosition);
        rPosition = ToPosition(node->*link);
        return node->data;
    }

    POSITION Link(CNode* node, CNode* prev, CNode* next)
    {
        node->pPrev = prev;
        node->pNext = next;
        (prev ? prev->pNext : m_pNodeHead) = node;
        (next ? next->pPrev : m_pNodeTail) = node;
        ++m_nCount;
        return ToPosition(node);
    }
    void Unlink(CNode* node)
    {
        (node->pPrev ? node->pPrev->pNext : m_pNodeHead) = node->pNext;
        (node->pNext ? node->pNext->pPrev : m_pNodeTail) = node->pPrev;
        --m_nCount;
        delete node;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
};

// A hash map from KEY to VALUE; CompareElements and HashKey say how keys compare and hash.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
protected:
    struct CAssoc {
        CAssoc* pNext;
        UINT nBucket;
        KEY key;
        VALUE value;
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10) : m_buckets(kDefaultHashTableSize) { (void)nBlockSize; }
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const CAssoc* assoc = Find(key);
        if (assoc)
            rValue = assoc->value;
        return assoc != nullptr;
    }
    // The value stored under key, made (value-initialised) when there is none yet.
    VALUE& operator[](ARG_KEY key)
    {
        if (CAssoc* assoc = Find(key))
            return assoc->value;
        const UINT bucket = BucketOf(key);
        m_buckets[bucket] = new CAssoc{ m_buckets[bucket], bucket, KEY(key), VALUE() };
        ++m_nCount;
        return m_buckets[bucket]->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key)
    {
        for (CAssoc** link = &m_buckets[BucketOf(key)]; *link; link = &(*link)->pNext) {
            if (CompareElements(&(*link)->key, &key)) {
                CAssoc* removed = *link;
                *link = removed->pNext;
                delete removed;
                --m_nCount;
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        for (CAssoc*& head : m_buckets) {
            while (CAssoc* assoc = head) {
                head = assoc->pNext;
                delete assoc;
            }
        }
        m_nCount = 0;
    }

    // Null when the map is empty; otherwise hand it to GetNextAssoc until that makes it
    // null.
    POSITION GetStartPosition() const { return m_nCount ? BEFORE_START_POSITION : nullptr; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        const CAssoc* assoc = rNextPosition == BEFORE_START_POSITION
                                  ? FirstFrom(0)
                                  : reinterpret_cast<const CAssoc*>(rNextPosition);
        rKey = assoc->key;
        rValue = assoc->value;
        rNextPosition = reinterpret_cast<POSITION>(
            const_cast<CAssoc*>(assoc->pNext ? assoc->pNext : FirstFrom(assoc->nBucket + 1)));
    }

    UINT GetHashTableSize() const { return static_cast<UINT>(m_buckets.size()); }
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE)
    {
        (void)bAllocNow;
        if (hashSize == 0)
            return;
        std::vector<CAssoc*> old(hashSize, nullptr);
        old.swap(m_buckets);
        for (CAssoc* assoc : old) {
            while (assoc) {
                CAssoc* next = assoc->pNext;
                assoc->nBucket = BucketOf(assoc->key);
                assoc->pNext = m_buckets[assoc->nBucket];
                m_buckets[assoc->nBucket] = assoc;
                assoc = next;
            }
        }
    }

protected:
    static constexpr UINT kDefaultHashTableSize = 17;

    UINT BucketOf(ARG_KEY key) const
    {
        return HashKey<ARG_KEY>(key) % static_cast<UINT>(m_buckets.size());
    }
    CAssoc* Find(ARG_KEY key) const
    {
        for (CAssoc* assoc = m_buckets[BucketOf(key)]; assoc; assoc = assoc->pNext) {
            if (CompareElements(&assoc->key, &key))
                return assoc;
        }
        return nullptr;
    }
    CAssoc* FirstFrom(UINT bucket) const
    {
        for (; bucket < m_buckets.size(); ++bucket) {
            if (m_buckets[bucket])
                return m_buckets[bucket];
        }
        return nullptr;
    }

    std::vector<CAssoc*> m_buckets;
    INT_PTR m_nCount = 0;
};

// An array of pointers to TYPE kept in BASE_CLASS (CPtrArray or CObArray).
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(INT_PTR nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
    TYPE& ElementAt(INT_PTR nIndex) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(nIndex)); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1)
    {
        BASE_CLASS::InsertAt(nIndex, newElement, nCount);
    }
    void InsertAt(INT_PTR nStartIndex, const CTypedPtrArray* pNewArray)
    {
        BASE_CLASS::InsertAt(nStartIndex, pNewArray);
    }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
};

// A list of pointers to TYPE kept in BASE_CLASS (CPtrList or CObList).
template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
public:
    explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetHead()); }
    TYPE GetHead() const { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
    TYPE& GetTail() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetTail()); }
    TYPE GetTail() const { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
    TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
    TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(const CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(const CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }

    TYPE& GetNext(POSITION& rPosition) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetNext(rPosition)); }
    TYPE GetNext(POSITION& rPosition) const { return static_cast<TYPE>(BASE_CLASS::GetNext(rPosition)); }
    TYPE& GetPrev(POSITION& rPosition) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetPrev(rPosition)); }
    TYPE GetPrev(POSITION& rPosition) const { return static_cast<TYPE>(BASE_CLASS::GetPrev(rPosition)); }
    TYPE& GetAt(POSITION position) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetAt(position)); }
    TYPE GetAt(POSITION position) const { return static_cast<TYPE>(BASE_CLASS::GetAt(position)); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
    POSITION InsertBefore(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertBefore(position, newElement);
    }
    POSITION InsertAfter(POSITION position, TYPE newElement)
    {
        return BASE_CLASS::InsertAfter(position, newElement);
    }
};
