#include "persist/XmlNode.h"

#include "persist/XmlNodeHeap.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

// Where the parse of one open element stands.
struct CXmlNode::ParseFrame {
    CXmlNode* node;
    // Just after the "<" of the element's start tag.
    const char* start;
    const char* lastSlash;
    // Null until the start tag has closed.
    const char* valueStart;
    // Where the element's finished children begin on the stack of children.
    size_t firstChild;
    // From then on the end tag is "</" + key + ">" and ">" is text; before that any "<"
    // ends the element.
    bool startTagClosed;
};

namespace {

// A list of children starts with room for this many, which most objects of a settings
// file stay within.
const int kFirstRoom = 8;
// Up to this many children are sorted in place and found by binary search alone.
const int kFewChildren = 32;

// The bytes the parse reacts to; runs of other bytes are skipped in one go.
bool IsMarkup(char byte)
{
    return byte == '<' || byte == '>' || byte == '/' || byte == '\0';
}

// The length of the end tag at text, or -1 when text does not begin with it. text points
// at a "<", so the byte after it exists, and the comparison stops at the first byte that
// differs: the terminating zero differs from every byte of a key.
int EndTagLengthAt(const char* text, bool startTagClosed, const CString& key)
{
    if (!startTagClosed)
        return 0;
    if (text[1] != '/')
        return -1;
    const char* keyByte = key;
    const char* at = text + 2;
    while (*keyByte && *keyByte == *at) {
        ++keyByte;
        ++at;
    }
    return *keyByte || *at != '>' ? -1 : static_cast<int>(at + 1 - text);
}

// The length of the end tag at text, which begins with "</", up to and with its ">" or up
// to the end of the text.
int StrayEndTagLength(const char* text)
{
    const char* at = text + 2;
    while (*at && *at != '>')
        ++at;
    return static_cast<int>(at - text) + (*at == '>');
}

// strcmp's order, bytes taken as unsigned, without a call into the C library: lookups and
// sorting compare keys more than anything else.
int CompareKeys(const char* key1, const char* key2)
{
    while (*key1 && *key1 == *key2) {
        ++key1;
        ++key2;
    }
    return static_cast<unsigned char>(*key1) - static_cast<unsigned char>(*key2);
}

// FNV-1a over the bytes of a key.
unsigned KeyHash(const char* key)
{
    unsigned hash = 2166136261u;
    for (; *key; ++key)
        hash = (hash ^ static_cast<unsigned char>(*key)) * 16777619u;
    return hash;
}

// Walks over a large tree wait for memory more than they compute. A node, its list of
// children and the children themselves lie apart, each found through the one before, so
// they are asked for in stages: the node this far ahead of the walk...
const int kNodeAhead = 8;
// ...the list of children of the node this far ahead...
const int kListAhead = 4;
// ...and the first children of the node this far ahead, up to this many.
const int kChildrenAhead = 2;
const int kChildrenAsked = 12;

void Prefetch(const void* node)
{
    __builtin_prefetch(node);
    __builtin_prefetch(static_cast<const char*>(node) + 64);
}

// Short copies in place: keys and most values are a few bytes, for which a call into the
// C library costs more than the copy.
void CopyBytes(char* to, const char* from, size_t count)
{
    if (count > 32) {
        std::memcpy(to, from, count);
        return;
    }
    while (count--)
        *to++ = *from++;
}

// Makes text the bytes from begin up to end.
void Assign(CString& text, const char* begin, const char* end)
{
    const int length = static_cast<int>(end - begin);
    CopyBytes(text.GetBufferSetLength(length), begin, length);
}

// Makes key the bytes from begin up to end in key form: every blank an underscore.
void AssignKey(CString& key, const char* begin, const char* end)
{
    char* to = key.GetBufferSetLength(static_cast<int>(end - begin));
    for (const char* from = begin; from != end; ++from)
        *to++ = *from == ' ' ? '_' : *from;
}

} // namespace

// Open addressing over a power-of-two table kept at most half full; a slot without a child
// is free. Each key is there once, with the first child of that key in the list's order.
struct CXmlNode::SChildIndex {
    struct SSlot {
        unsigned hash;
        CXmlNode* child;
    };
    std::vector<SSlot> slots;
    size_t used = 0;
};

// The text of a subtree, written straight into the output handle in one walk over the
// tree. The handle's room is used first and then doubles; when it cannot grow, the writing
// stops and the handle is cut back to what it held before, so that a node writes all of
// itself or nothing.
class CXmlNode::CTextOut {
public:
    explicit CTextOut(CHandle& out)
        : mOut(out)
        , mBefore(out.GetSize())
        , mSize(mBefore)
    {
    }

    bool Failed() const { return mFailed; }
    // Sets the handle's size to what was written, or back to what it was.
    void Finish() { mOut.Allocate(mFailed ? mBefore : mSize, true, false); }

    // "<key>value</key>" and the line end, all on one line.
    void Element(const CString& key, const CString& value)
    {
        if (!Room(2 * static_cast<unsigned long long>(key.GetLength()) + value.GetLength() + 7))
            return;
        Tag("<", key);
        Put(value);
        Tag("</", key);
        NewLine();
    }
    void StartTag(const CString& key)
    {
        if (!Room(key.GetLength() + 4ull))
            return;
        Tag("<", key);
        NewLine();
    }
    void EndTag(const CString& key)
    {
        if (!Room(key.GetLength() + 5ull))
            return;
        Tag("</", key);
        NewLine();
    }

private:
    // Whether count more bytes fit, growing the handle when they do not yet.
    bool Room(unsigned long long count)
    {
        if (mFailed)
            return false;
        const unsigned long long needed = mSize + count;
        if (needed > mOut.GetSize()) {
            // Room made beforehand is taken first; beyond it the room doubles.
            const unsigned long long doubled = std::max<unsigned long long>(2ull * mOut.GetSize(), 4096);
            const unsigned long long room = needed <= mOut.GetCapacity() ? mOut.GetCapacity() : doubled;
            const unsigned long long grown = std::min<unsigned long long>(std::max(needed, room), ULONG_MAX);
            // The handle's size is its room while writing, so that growing keeps what is
            // written; nothing is zeroed.
            mFailed = needed > ULONG_MAX || !mOut.Allocate(static_cast<unsigned long>(grown), true, false);
            if (mFailed)
                return false;
        }
        mAt = reinterpret_cast<char*>(mOut.GetBuffer()) + mSize;
        mSize = needed;
        return true;
    }
    void Put(const CString& text)
    {
        CopyBytes(mAt, text, text.GetLength());
        mAt += text.GetLength();
    }
    void Tag(const char* opening, const CString& key)
    {
        while (*opening)
            *mAt++ = *opening++;
        Put(key);
        *mAt++ = '>';
    }
    void NewLine()
    {
        *mAt++ = '\r';
        *mAt++ = '\n';
    }

    CHandle& mOut;
    const unsigned long mBefore;
    unsigned long long mSize;
    char* mAt = nullptr;
    bool mFailed = false;
};


// The children list gets its compare function when it first sorts or places a child: a
// node is made far more often than its list is sorted.
CXmlNode::CXmlNode()
    : mParent(nullptr)
    , mChildrenUnsorted(false)
    , mKeyWatched(false)
{
}

CXmlNode::CXmlNode(const CXmlNode& other)
    : mParent(nullptr)
    , mKey(other.mKey)
    , mValue(other.mValue)
    , mChildrenUnsorted(false)
    , mKeyWatched(false)
{
    CopyChildrenOf(other);
}

CXmlNode& CXmlNode::operator=(const CXmlNode& other)
{
    if (this == &other)
        return *this;
    // other may lie inside this tree, which Reset deletes: copy it aside first.
    CXmlNode copy(other);
    // The parent looks again even when the key was empty, which Reset does not announce.
    KeyMayChange();
    Reset();
    mKey = copy.mKey;
    mValue = copy.mValue;
    std::vector<CXmlNode*> children;
    copy.HandOverChildren(children);
    for (CXmlNode* child : children)
        AddElement(child);
    return *this;
}

CXmlNode::~CXmlNode()
{
    // A child deleted by its owner's caller leaves its parent's list rather than a
    // dangling pointer in it.
    if (mParent)
        mParent->RemoveElement(this);
    DeleteChildren();
}

void* CXmlNode::operator new(size_t size)
{
    return UXmlNodeHeap::Allocate(size);
}

void CXmlNode::operator delete(void* block, size_t size)
{
    UXmlNodeHeap::Free(block, size);
}

CString CXmlNode::MakeXmlKey(const char* name)
{
    CString key;
    if (name)
        AssignKey(key, name, name + std::strlen(name));
    return key;
}

void CXmlNode::Reset()
{
    // Even an empty key: assignment and parsing give the node its new key after this.
    KeyMayChange();
    mKey.Empty();
    mValue.Empty();
    DeleteChildren();
}

void CXmlNode::DeleteChildren()
{
    mWatchedKeys.reset();
    mIndex.reset();
    mChildrenUnsorted = false;
    if (mChildren.GetItemCount() == 0)
        return;
    // A node is deleted once its children are, and leaves its list empty first, so no
    // destructor below has children to delete in turn: the depth of the tree never
    // reaches the call stack.
    struct SFrame {
        CXmlNode* node;
        int next;
    };
    std::vector<SFrame> open{ { this, 0 } };
    while (!open.empty()) {
        CXmlNode* node = open.back().node;
        const int next = open.back().next;
        if (next < node->mChildren.GetItemCount()) {
            PrefetchAhead(node->mChildren, next);
            open.back().next = next + 1;
            CXmlNode* child = static_cast<CXmlNode*>(node->mChildren.GetAt(next));
            if (child->mChildren.GetItemCount() > 0) {
                open.push_back({ child, 0 });
            } else {
                child->mParent = nullptr;
                delete child;
            }
            continue;
        }
        node->mChildren.RemoveAll();
        open.pop_back();
        if (node != this) {
            node->mParent = nullptr;
            delete node;
        }
    }
}

void CXmlNode::HandOverChildren(std::vector<CXmlNode*>& handed)
{
    const int count = mChildren.GetItemCount();
    if (count == 0 && !mWatchedKeys)
        return;
    for (int i = 0; i < count; ++i)
        handed.push_back(static_cast<CXmlNode*>(mChildren.GetAt(i)));
    if (mWatchedKeys) {
        for (SKeyWatch& watch : *mWatchedKeys)
            watch.child->mKeyWatched = false;
        mWatchedKeys.reset();
    }
    mChildren.RemoveAll();
    mChildrenUnsorted = false;
    mIndex.reset();
}

void CXmlNode::CopyChildrenOf(const CXmlNode& other)
{
    std::vector<std::pair<const CXmlNode*, CXmlNode*>> pending{ { &other, this } };
    while (!pending.empty()) {
        const CXmlNode* source = pending.back().first;
        CXmlNode* target = pending.back().second;
        pending.pop_back();
        for (int i = 0; i < source->GetChildCount(); ++i) {
            const CXmlNode* child = source->GetChildAt(i);
            CXmlNode* copy = new CXmlNode;
            copy->mKey = child->mKey;
            copy->mValue = child->mValue;
            // The source is in order already, so each copy goes to the end of the list.
            target->AddElement(copy);
            pending.emplace_back(child, copy);
        }
    }
}

void CXmlNode::KeyMayChange()
{
    if (mParent && !mKeyWatched) {
        if (!mParent->mWatchedKeys)
            mParent->mWatchedKeys.reset(new std::vector<SKeyWatch>);
        mParent->mWatchedKeys->push_back({ this, mKey });
        mKeyWatched = true;
    }
}

void CXmlNode::SetKey(const char* name)
{
    KeyMayChange();
    if (!name)
        name = "";
    AssignKey(mKey, name, name + std::strlen(name));
}

CString& CXmlNode::GetKey()
{
    KeyMayChange();
    return mKey;
}

const CString& CXmlNode::GetKey() const
{
    return mKey;
}

void CXmlNode::SetValue(const char* text)
{
    if (!text)
        text = "";
    const char* end = text;
    while (*end && *end != '<')
        ++end;
    if (!*end)
        Assign(mValue, text, end);
}

CString& CXmlNode::GetValue()
{
    return mValue;
}

const CString& CXmlNode::GetValue() const
{
    return mValue;
}

CString CXmlNode::GetStartTag() const
{
    CString tag;
    tag.Format("<%s>", static_cast<const char*>(mKey));
    return tag;
}

CString CXmlNode::GetEndTag() const
{
    CString tag;
    tag.Format("</%s>", static_cast<const char*>(mKey));
    return tag;
}

CString CXmlNode::GetEmptyTag() const
{
    CString tag;
    tag.Format("<%s />", static_cast<const char*>(mKey));
    return tag;
}

CXmlNode* CXmlNode::GetParent() const
{
    return mParent;
}

void CXmlNode::SetParent(CXmlNode* parent)
{
    mParent = parent;
}

void CXmlNode::AddElement(CXmlNode* child)
{
    if (!child)
        return;
    if (mChildren.GetItemCount() == 0)
        mChildren.Reserve(kFirstRoom);
    AppendChild(child);
}

void CXmlNode::AppendChild(CXmlNode* child)
{
    child->mParent = this;
    const int count = mChildren.GetItemCount();
    // The list is given its order with its first child, when there is nothing to sort.
    if (count == 0)
        mChildren.SetCompareFunc(&CXmlNode::CompareNodes);
    // While keys are watched the order of the list is not known for sure: sort it then.
    if (mWatchedKeys || (count > 0 && CompareNodes(mChildren.GetAt(count - 1), child) > 0))
        mChildrenUnsorted = true;
    mChildren.InsertAt(count, child);
    // The children before it, of an equal key or not, stay before it once sorted, so the
    // index stays right: a child whose key has changed meanwhile drops it when settled.
    if (mIndex)
        IndexChild(child);
}

void CXmlNode::AdoptChildren(std::vector<CXmlNode*>& children, size_t first)
{
    if (children.size() == first)
        return;
    // Room first: once it is there, nothing below can fail half way.
    mChildren.Reserve(mChildren.GetItemCount() + static_cast<int>(children.size() - first));
    for (size_t i = first; i < children.size(); ++i)
        AppendChild(children[i]);
    children.resize(first);
}

void CXmlNode::RemoveElement(CXmlNode* child)
{
    if (!child || !mChildren.Remove(child))
        return;
    child->mParent = nullptr;
    mIndex.reset();
    if (child->mKeyWatched) {
        child->mKeyWatched = false;
        for (size_t i = 0; i < mWatchedKeys->size(); ++i) {
            if ((*mWatchedKeys)[i].child == child) {
                mWatchedKeys->erase(mWatchedKeys->begin() + i);
                break;
            }
        }
    }
}

int CXmlNode::GetChildCount() const
{
    return mChildren.GetItemCount();
}

CXmlNode* CXmlNode::GetChildAt(int index) const
{
    SettleChildren();
    return static_cast<CXmlNode*>(mChildren.GetAt(index));
}

void CXmlNode::SettleChildren() const
{
    if (!mWatchedKeys && !mChildrenUnsorted)
        return;
    // Children whose key changed leave the list, which stays in order without them...
    std::vector<CXmlNode*> moved;
    if (mWatchedKeys) {
        for (SKeyWatch& watch : *mWatchedKeys) {
            watch.child->mKeyWatched = false;
            if (watch.child->mKey != watch.key && mChildren.Remove(watch.child))
                moved.push_back(watch.child);
        }
        mWatchedKeys.reset();
    }
    if (!moved.empty())
        mIndex.reset();
    if (mChildrenUnsorted)
        SortChildren();
    mChildrenUnsorted = false;
    // ...and come back in their new places, after the children of an equal key.
    for (CXmlNode* child : moved)
        mChildren.Add(child);
}

void CXmlNode::SortChildren() const
{
    // Stably: children of an equal key keep their order.
    const int count = mChildren.GetItemCount();
    if (count <= kFewChildren) {
        // Few children lie close together in memory: an insertion sort on the spot.
        CXmlNode* few[kFewChildren];
        for (int i = 0; i < count; ++i) {
            CXmlNode* child = static_cast<CXmlNode*>(mChildren.GetAt(i));
            int at = i;
            for (; at > 0 && CompareKeys(few[at - 1]->mKey, child->mKey) > 0; --at)
                few[at] = few[at - 1];
            few[at] = child;
        }
        mChildren.RemoveAll();
        for (int i = 0; i < count; ++i)
            mChildren.InsertAt(i, few[i]);
    } else {
        // Many children lie all over memory, and a sort compares each key many times: the
        // keys are copied side by side first, so that the comparisons find them at hand.
        std::string keys;
        std::vector<std::pair<size_t, CXmlNode*>> items;
        items.reserve(count);
        for (int i = 0; i < count; ++i) {
            CXmlNode* child = static_cast<CXmlNode*>(mChildren.GetAt(i));
            items.emplace_back(keys.size(), child);
            keys.append(child->mKey, child->mKey.GetLength());
            keys.push_back('\0');
        }
        const char* base = keys.data();
        std::stable_sort(items.begin(), items.end(), [base](const std::pair<size_t, CXmlNode*>& item1,
                                                            const std::pair<size_t, CXmlNode*>& item2) {
            return CompareKeys(base + item1.first, base + item2.first) < 0;
        });
        mChildren.RemoveAll();
        for (int i = 0; i < count; ++i)
            mChildren.InsertAt(i, items[i].second);
    }
}

int CXmlNode::CompareNodes(const void* item1, const void* item2)
{
    return CompareKeys(static_cast<const CXmlNode*>(item1)->mKey, static_cast<const CXmlNode*>(item2)->mKey);
}

int CXmlNode::LowerBound(const char* key) const
{
    SettleChildren();
    int low = 0;
    int high = mChildren.GetItemCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (CompareKeys(static_cast<const CXmlNode*>(mChildren.GetAt(middle))->mKey, key) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

CXmlNode* CXmlNode::FindChild(const char* name, bool create)
{
    // Most names hold no blank and are their own key: no copy for them.
    CString keyForm;
    const char* key = name ? name : "";
    if (std::strchr(key, ' ')) {
        keyForm = MakeXmlKey(name);
        key = keyForm;
    }
    SettleChildren();
    CXmlNode* found = nullptr;
    if (mChildren.GetItemCount() > kFewChildren) {
        found = FindIndexed(key);
    } else {
        found = static_cast<CXmlNode*>(mChildren.GetAt(LowerBound(key)));
        if (found && CompareKeys(found->mKey, key) != 0)
            found = nullptr;
    }
    return found || !create ? found : AddNode(key);
}

CXmlNode* CXmlNode::FindIndexed(const char* key) const
{
    if (!mIndex) {
        const int count = mChildren.GetItemCount();
        size_t size = 64;
        while (size < 2 * static_cast<size_t>(count) + 2)
            size *= 2;
        mIndex.reset(new SChildIndex);
        mIndex->slots.assign(size, SChildIndex::SSlot{ 0, nullptr });
        for (int i = 0; i < count; ++i)
            IndexChild(static_cast<CXmlNode*>(mChildren.GetAt(i)));
    }
    const std::vector<SChildIndex::SSlot>& slots = mIndex->slots;
    const unsigned hash = KeyHash(key);
    const size_t mask = slots.size() - 1;
    for (size_t at = hash & mask; slots[at].child; at = (at + 1) & mask) {
        if (slots[at].hash == hash && CompareKeys(slots[at].child->mKey, key) == 0)
            return slots[at].child;
    }
    return nullptr;
}

void CXmlNode::IndexChild(CXmlNode* child) const
{
    SChildIndex& index = *mIndex;
    if (2 * (index.used + 1) > index.slots.size()) {
        // Full: the next lookup makes a larger one.
        mIndex.reset();
        return;
    }
    const unsigned hash = KeyHash(child->mKey);
    const size_t mask = index.slots.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        SChildIndex::SSlot& slot = index.slots[at];
        if (!slot.child) {
            slot = { hash, child };
            ++index.used;
            return;
        }
        if (slot.hash == hash && CompareKeys(slot.child->mKey, child->mKey) == 0)
            return;
    }
}

CXmlNode* CXmlNode::AddValue(const char* name, const char* text)
{
    if (!text || !*text)
        return nullptr;
    CXmlNode* child = new CXmlNode;
    child->SetKey(name);
    child->SetValue(text);
    AddElement(child);
    return child;
}

CXmlNode* CXmlNode::AddNode(const char* name)
{
    CXmlNode* child = new CXmlNode;
    child->SetKey(name);
    AddElement(child);
    return child;
}

void CXmlNode::Write(CHandle& out, unsigned short depth)
{
    if (!mKey.IsEmpty())
        WriteSelf(out, depth);
}

void CXmlNode::WriteSelf(CHandle& out, unsigned short)
{
    // Nothing is indented, so the depth plays no part.
    CTextOut text(out);
    WriteTree(text);
    text.Finish();
}

void CXmlNode::WriteTree(CTextOut& out)
{
    struct SFrame {
        CXmlNode* node;
        int next;
        int count;
    };
    std::vector<SFrame> open;
    CXmlNode* node = this;
    for (;;) {
        // A node with an empty key, or with neither value nor children, writes nothing
        // and nothing below it; one with a value writes no children.
        if (!node->mKey.IsEmpty()) {
            if (!node->mValue.IsEmpty()) {
                out.Element(node->mKey, node->mValue);
            } else if (const int count = node->mChildren.GetItemCount()) {
                node->SettleChildren();
                out.StartTag(node->mKey);
                open.push_back({ node, 0, count });
            }
        }
        while (!open.empty() && open.back().next == open.back().count) {
            out.EndTag(open.back().node->mKey);
            open.pop_back();
        }
        if (open.empty() || out.Failed())
            return;
        SFrame& frame = open.back();
        PrefetchAhead(frame.node->mChildren, frame.next);
        node = static_cast<CXmlNode*>(frame.node->mChildren.GetAt(frame.next++));
    }
}

void CXmlNode::PrefetchAhead(const CPointerList& list, int index)
{
    const int count = list.GetItemCount();
    CXmlNode* const* children = reinterpret_cast<CXmlNode* const*>(list.GetItems());
    if (index + kNodeAhead < count)
        Prefetch(children[index + kNodeAhead]);
    if (index + kListAhead < count)
        __builtin_prefetch(children[index + kListAhead]->mChildren.GetItems());
    if (index + kChildrenAhead < count) {
        const CPointerList& grandchildren = children[index + kChildrenAhead]->mChildren;
        const int asked = std::min(grandchildren.GetItemCount(), kChildrenAsked);
        for (int i = 0; i < asked; ++i)
            Prefetch(grandchildren.GetItems()[i]);
    }
}

void CXmlNode::WriteText(CHandle& out, const char* text)
{
    out.Append(text, static_cast<unsigned long>(std::strlen(text)));
}

void CXmlNode::WriteNewLine(CHandle& out)
{
    out.Append("\r\n", 2);
}

void CXmlNode::WriteIndent(CHandle&, unsigned short)
{
    // Files are written flush left: indentation would become part of the values of
    // readers that keep every byte between the tags.
}

const char* CXmlNode::Parse(const char* text)
{
    // The parent looks again even when the key was empty, which Reset does not announce.
    KeyMayChange();
    Reset();
    std::vector<ParseFrame> open{ { this, text, nullptr, nullptr, 0, false } };
    std::vector<CXmlNode*> children;
    try {
        return ParseOpenElements(open, children, text);
    } catch (...) {
        // Out of memory: the elements still open and the children gathered for them
        // belong to nobody yet.
        for (size_t i = 1; i < open.size(); ++i)
            delete open[i].node;
        for (CXmlNode* child : children)
            delete child;
        throw;
    }
}

const char* CXmlNode::ParseOpenElements(std::vector<ParseFrame>& open, std::vector<CXmlNode*>& children,
                                        const char* text)
{
    const char* position = text;
    for (;;) {
        ParseFrame& frame = open.back();
        CXmlNode* node = frame.node;
        const char current = *position;
        if (current == '\0') {
            // The text ended inside the elements still open: keep what they hold.
            while (open.size() > 1) {
                open.back().node->AdoptChildren(children, open.back().firstChild);
                children.push_back(open.back().node);
                open.pop_back();
            }
            AdoptChildren(children, 0);
            return position;
        }
        bool finished = false;
        if (current == '/') {
            frame.lastSlash = position;
            ++position;
        } else if (current == '<') {
            int endTagLength = EndTagLengthAt(position, frame.startTagClosed, node->mKey);
            if (endTagLength < 0 && position[1] == '/') {
                const int strayLength = StrayEndTagLength(position);
                if (open.size() == 1) {
                    // Ending the outermost element would drop the rest of the document.
                    // The text before the stray tag cannot stay a value that holds it.
                    frame.valueStart = nullptr;
                    position += strayLength;
                    continue;
                }
                endTagLength = strayLength;
            }
            if (endTagLength >= 0) {
                // Nothing between the tags can hold "<", so the value needs no check.
                if (frame.valueStart && children.size() == frame.firstChild)
                    Assign(node->mValue, frame.valueStart, position);
                position += endTagLength;
                finished = true;
            } else {
                ++position;
                open.push_back({ nullptr, position, nullptr, nullptr, children.size(), false });
                open.back().node = new CXmlNode;
            }
        } else if (current == '>' && !frame.startTagClosed) {
            const bool emptyElement = frame.lastSlash && frame.lastSlash + 1 == position;
            const char* keyEnd = emptyElement ? frame.lastSlash : position;
            AssignKey(node->mKey, frame.start, keyEnd);
            frame.startTagClosed = true;
            ++position;
            if (emptyElement)
                finished = true;
            else
                frame.valueStart = position;
        } else {
            ++position;
            while (!IsMarkup(*position))
                ++position;
        }
        if (finished) {
            node->AdoptChildren(children, frame.firstChild);
            if (open.size() == 1)
                return position;
            children.push_back(node);
            open.pop_back();
        }
    }
}
