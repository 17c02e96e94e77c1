#pragma once
#include "afx.h"
#include "tnwbscut.h"

#include <memory>
#include <vector>

// One element of the library's small XML dialect: a key (the element name) and either a
// text value or child elements, never both on output. Settings files and web answers are
// trees of these nodes.
//
// Text form written (every line ends in CR LF, nothing is indented):
//   <Key>value</Key>            a node with a value (its children are not written)
//   <Key> ... children ... </Key>   start and end tag on lines of their own
// A node with an empty key, or with neither value nor children, is not written, nor is
// anything below it. Keys and values are written as held: no escaping, no conversion.
//
// Keys are always in key form (MakeXmlKey: blanks become underscores), on every path that
// sets or looks up a key, so "Has Data" and "Has_Data" name the same element. Children are
// kept in ascending byte order of their keys; a child added later comes after children
// with an equal key, and FindChild gives the first of them.
//
// A child's key may change while it is in the list: through SetKey, assignment, Reset or
// Parse of the child, or through the reference that GetKey hands out. The child then tells
// its parent, which puts it in its new place before its next lookup, after the children
// of an equal key, as if it had just been added. A key changed through that reference is
// seen by the parent's next lookup: a caller that keeps the reference beyond that and
// changes the key later takes it again with GetKey.
//
// Decisions of this library:
// - Parsing, writing, copying and deleting never recurse: a tree a million levels deep is
//   handled with heap-held work lists, so no document can exhaust the call stack.
// - Parse reads only up to the first zero byte of its text and never beyond it, whatever
//   the bytes are. Children met while parsing are plain CXmlNode objects, and a subtree
//   is written in CXmlNode's text form: an override of WriteSelf or Parse governs the
//   node it is called on, not the nodes below it.
// - The first ">" closes a start tag, even one that gives an empty key ("<>"): a ">" after
//   it is text. So a parsed key never holds "<" or ">", and its tags parse back.
// - An end tag that is not the open element's own ("</Vaule>" inside <Value>) ends that
//   element all the same, its value or children kept, as a misspelt end tag would be
//   meant; at the outermost element, which would end the whole document there, it is
//   skipped instead. Read as the start of a child, as a plain reading of the grammar
//   would have it, it gave a key beginning with "/" whose start tag writes as an end
//   tag, so a damaged file that was read and saved read back as a different tree.
// - Keys are ranked and compared byte by byte (unsigned), the order _mbscmp gives in
//   single-byte code pages. A byte comparison cannot be led past a key's end by a stray
//   lead byte in a damaged file, which a character comparison in a double-byte code page
//   could.
// - Children are found by binary search over the sorted list: O(log n) per lookup. A child
//   that arrives out of order is appended and the list is sorted (stably) when it is next
//   looked at, so n children in any order cost one sort instead of n insertions into the
//   middle of the list. A child whose key changed costs one move within the list.
// - A list of more than 32 children is also indexed by a hash of the key (made at its
//   first lookup, then kept up to date as children are added): a lookup then reads one
//   slot of the index and one child rather than a child at every step of a binary search,
//   each somewhere else in memory. A child removed, or one whose key changed, drops the
//   index, and the next lookup makes it anew.
// - Nodes live in UXmlNodeHeap: a document's nodes cost no system heap call each, and a
//   large list of children is sorted on copies of its keys rather than on the nodes.
// - Write writes all of the node or, when its text does not fit in memory, nothing: the
//   handle then holds what it held before.
// - A copy is a deep copy: the copy owns copies of the children (plain nodes) and has no
//   parent; assignment keeps the node's own parent.
class AFX_EXT_CLASS CXmlNode {
public:
    CXmlNode();
    CXmlNode(const CXmlNode& other);
    CXmlNode& operator=(const CXmlNode& other);
    virtual ~CXmlNode();

    static void* operator new(size_t size);
    static void operator delete(void* block, size_t size);

    static CString MakeXmlKey(const char* name);

    // Empties key and value and deletes every child.
    void Reset();

    void SetKey(const char* name);
    // The key, to change in place; the parent looks at it again before its next lookup.
    CString& GetKey();
    const CString& GetKey() const;
    // Refuses a text holding "<": the value then stays as it was.
    void SetValue(const char* text);
    CString& GetValue();
    const CString& GetValue() const;

    CString GetStartTag() const;
    CString GetEndTag() const;
    CString GetEmptyTag() const;

    CXmlNode* GetParent() const;
    void SetParent(CXmlNode* parent);

    // The node takes ownership of child (ignored when null).
    void AddElement(CXmlNode* child);
    // Gives ownership of child back to the caller.
    void RemoveElement(CXmlNode* child);
    int GetChildCount() const;
    CXmlNode* GetChildAt(int index) const;

    CXmlNode* FindChild(const char* name, bool create);
    // A new child holding text; nothing (null) for a null or empty text.
    CXmlNode* AddValue(const char* name, const char* text);
    CXmlNode* AddNode(const char* name);

    // Writes nothing for an empty key, otherwise WriteSelf.
    void Write(CHandle& out, unsigned short depth);
    virtual void WriteSelf(CHandle& out, unsigned short depth);
    void WriteText(CHandle& out, const char* text);
    void WriteNewLine(CHandle& out);
    void WriteIndent(CHandle& out, unsigned short depth);

    // Fills the node from text that begins just after the "<" of its start tag; returns
    // the position after its end tag, or the position of the terminating zero when the
    // text ends first.
    virtual const char* Parse(const char* text);

private:
    struct ParseFrame;
    class CTextOut;

    const char* ParseOpenElements(std::vector<ParseFrame>& open, std::vector<CXmlNode*>& children,
                                  const char* text);
    // Puts child at the end of the list, noting when that is out of order.
    void AppendChild(CXmlNode* child);
    // Makes the children gathered at the end of children, from first on, this node's.
    void AdoptChildren(std::vector<CXmlNode*>& children, size_t first);
    static int CompareNodes(const void* item1, const void* item2);
    // Before this node's key changes (or may change): the parent looks at it again.
    void KeyMayChange();
    // Puts children whose key changed and children added out of order in their places.
    void SettleChildren() const;
    void SortChildren() const;
    // The index of the first child whose key is not less than key.
    int LowerBound(const char* key) const;
    // The first child of the key through the hash index, which is made when missing.
    CXmlNode* FindIndexed(const char* key) const;
    // Enters child in the hash index unless a child of its key is there already.
    void IndexChild(CXmlNode* child) const;
    // Moves the children into handed and empties the list, for deletion without recursion
    // or for another parent; the children still name this node as their parent.
    void HandOverChildren(std::vector<CXmlNode*>& handed);
    void DeleteChildren();
    void CopyChildrenOf(const CXmlNode& other);
    // Writes this node's subtree in CXmlNode's text form.
    void WriteTree(CTextOut& out);
    // Asks for the memory that a walk over list, now at index, will soon want.
    static void PrefetchAhead(const CPointerList& list, int index);

    CXmlNode* mParent;
    CString mKey;
    CString mValue;
    // Settling does not change what the node holds, so const lookups may do it.
    mutable CPointerList mChildren;
    mutable bool mChildrenUnsorted;
    // Whether this node is among the watched children of its parent.
    bool mKeyWatched;
    // Children whose key may have changed since this node last looked, each with its key
    // as it was then; made when the first is watched.
    struct SKeyWatch {
        CXmlNode* child;
        CString key;
    };
    mutable std::unique_ptr<std::vector<SKeyWatch>> mWatchedKeys;
    // The hash index of a large list of children, while it is up to date.
    struct SChildIndex;
    mutable std::unique_ptr<SChildIndex> mIndex;
};
