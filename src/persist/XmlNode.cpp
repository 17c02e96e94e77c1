#include "persist/XmlNode.h"

#include <cstring>

// Where the parse of one open element stands.
struct CXmlNode::ParseFrame {
    CXmlNode* node;
    // Just after the "<" of the element's start tag.
    const char* start;
    const char* lastSlash;
    // Null until the start tag has closed.
    const char* valueStart;
    // From then on the end tag is "</" + key + ">" and ">" is text; before that any "<"
    // ends the element.
    bool startTagClosed;
};

namespace {

struct WriteFrame {
    CXmlNode* node;
    int nextChild;
};

// The bytes the parse reacts to; runs of other bytes are skipped in one go.
bool IsMarkup(char byte)
{
    return byte == '<' || byte == '>' || byte == '/' || byte == '\0';
}

// The length of the end tag at text, or -1 when text does not begin with it. text points
// at a "<", so the byte after it exists; strncmp stops at the terminating zero.
int EndTagLengthAt(const char* text, bool startTagClosed, const CString& key)
{
    if (!startTagClosed)
        return 0;
    const int keyLength = key.GetLength();
    if (text[1] != '/' || std::strncmp(text + 2, key, keyLength) != 0 || text[2 + keyLength] != '>')
        return -1;
    return keyLength + 3;
}

} // namespace

CXmlNode::CXmlNode()
    : mParent(nullptr)
    , mChildrenUnsorted(false)
{
    mChildren.SetCompareFunc(&CXmlNode::CompareNodes);
}

CXmlNode::CXmlNode(const CXmlNode& other)
    : mParent(nullptr)
    , mKey(other.mKey)
    , mValue(other.mValue)
    , mChildrenUnsorted(false)
{
    mChildren.SetCompareFunc(&CXmlNode::CompareNodes);
    CopyChildrenOf(other);
}

CXmlNode& CXmlNode::operator=(const CXmlNode& other)
{
    if (this == &other)
        return *this;
    // other may lie inside this tree, which Reset deletes: copy it aside first.
    CXmlNode copy(other);
    Reset();
    mKey = copy.mKey;
    mValue = copy.mValue;
    for (int i = 0; i < copy.GetChildCount(); ++i)
        AddElement(copy.GetChildAt(i));
    copy.mChildren.RemoveAll();
    return *this;
}

CXmlNode::~CXmlNode()
{
    Reset();
}

CString CXmlNode::MakeXmlKey(const char* name)
{
    CString key(name ? name : "");
    key.Replace(' ', '_');
    return key;
}

void CXmlNode::Reset()
{
    mKey.Empty();
    mValue.Empty();
    // Each node is emptied before it is deleted, so no destructor below has children to
    // delete in turn: the depth of the tree never reaches the call stack.
    std::vector<CXmlNode*> doomed;
    HandOverChildren(doomed);
    while (!doomed.empty()) {
        CXmlNode* node = doomed.back();
        doomed.pop_back();
        node->HandOverChildren(doomed);
        delete node;
    }
}

void CXmlNode::HandOverChildren(std::vector<CXmlNode*>& doomed)
{
    for (int i = 0; i < mChildren.GetItemCount(); ++i)
        doomed.push_back(static_cast<CXmlNode*>(mChildren.GetAt(i)));
    mChildren.RemoveAll();
    mChildrenUnsorted = false;
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

void CXmlNode::SetKey(const char* name)
{
    mKey = MakeXmlKey(name);
}

CString& CXmlNode::GetKey()
{
    return mKey;
}

void CXmlNode::SetValue(const char* text)
{
    if (!text)
        text = "";
    if (std::strchr(text, '<'))
        return;
    mValue = text;
}

CString& CXmlNode::GetValue()
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
    child->mParent = this;
    const int count = mChildren.GetItemCount();
    if (count > 0 && CompareNodes(mChildren.GetAt(count - 1), child) > 0)
        mChildrenUnsorted = true;
    mChildren.InsertAt(count, child);
}

void CXmlNode::RemoveElement(CXmlNode* child)
{
    if (mChildren.Remove(child))
        child->mParent = nullptr;
}

int CXmlNode::GetChildCount() const
{
    return mChildren.GetItemCount();
}

CXmlNode* CXmlNode::GetChildAt(int index) const
{
    SortChildren();
    return static_cast<CXmlNode*>(mChildren.GetAt(index));
}

void CXmlNode::SortChildren() const
{
    if (!mChildrenUnsorted)
        return;
    // Setting the compare function sorts the list stably: equal keys keep their order.
    mChildren.SetCompareFunc(&CXmlNode::CompareNodes);
    mChildrenUnsorted = false;
}

int CXmlNode::CompareNodes(const void* item1, const void* item2)
{
    return std::strcmp(static_cast<const CXmlNode*>(item1)->mKey, static_cast<const CXmlNode*>(item2)->mKey);
}

int CXmlNode::LowerBound(const char* key) const
{
    int low = 0;
    int high = GetChildCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (std::strcmp(GetChildAt(middle)->mKey, key) < 0)
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
    CXmlNode* found = GetChildAt(LowerBound(key));
    if (found && std::strcmp(found->mKey, key) == 0)
        return found;
    return create ? AddNode(key) : nullptr;
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

void CXmlNode::WriteSelf(CHandle& out, unsigned short depth)
{
    if (!WriteOpening(out, depth))
        return;
    std::vector<WriteFrame> open{ { this, 0 } };
    while (!open.empty()) {
        WriteFrame& frame = open.back();
        // Depth only feeds WriteIndent, so wrapping past 65535 levels is harmless.
        const unsigned short frameDepth = static_cast<unsigned short>(depth + open.size() - 1);
        if (frame.nextChild < frame.node->GetChildCount()) {
            CXmlNode* child = frame.node->GetChildAt(frame.nextChild++);
            if (child->WriteOpening(out, static_cast<unsigned short>(frameDepth + 1)))
                open.push_back({ child, 0 });
        } else {
            frame.node->WriteClosing(out, frameDepth);
            open.pop_back();
        }
    }
}

bool CXmlNode::WriteOpening(CHandle& out, unsigned short depth)
{
    if (mKey.IsEmpty())
        return false;
    const bool hasValue = !mValue.IsEmpty();
    if (!hasValue && GetChildCount() == 0)
        return false;
    WriteIndent(out, depth);
    WriteText(out, "<");
    WriteText(out, mKey);
    WriteText(out, ">");
    if (!hasValue) {
        WriteNewLine(out);
        return true;
    }
    WriteText(out, mValue);
    WriteText(out, "</");
    WriteText(out, mKey);
    WriteText(out, ">");
    WriteNewLine(out);
    return false;
}

void CXmlNode::WriteClosing(CHandle& out, unsigned short depth)
{
    WriteIndent(out, depth);
    WriteText(out, "</");
    WriteText(out, mKey);
    WriteText(out, ">");
    WriteNewLine(out);
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
    Reset();
    std::vector<ParseFrame> open{ { this, text, nullptr, nullptr, false } };
    try {
        return ParseOpenElements(open, text);
    } catch (...) {
        // Out of memory: the elements still open belong to nobody yet.
        for (size_t i = 1; i < open.size(); ++i)
            delete open[i].node;
        throw;
    }
}

const char* CXmlNode::ParseOpenElements(std::vector<ParseFrame>& open, const char* text)
{
    const char* position = text;
    for (;;) {
        ParseFrame& frame = open.back();
        CXmlNode* node = frame.node;
        const char current = *position;
        if (current == '\0') {
            // The text ended inside the elements still open: keep what they hold.
            while (open.size() > 1) {
                open[open.size() - 2].node->AddElement(open.back().node);
                open.pop_back();
            }
            return position;
        }
        bool finished = false;
        if (current == '/') {
            frame.lastSlash = position;
            ++position;
        } else if (current == '<') {
            const int endTagLength = EndTagLengthAt(position, frame.startTagClosed, node->mKey);
            if (endTagLength >= 0) {
                // Nothing between the tags can hold "<", so the value needs no check.
                if (frame.valueStart && node->GetChildCount() == 0)
                    node->mValue = CString(frame.valueStart, static_cast<int>(position - frame.valueStart));
                position += endTagLength;
                finished = true;
            } else {
                ++position;
                open.push_back({ nullptr, position, nullptr, nullptr, false });
                open.back().node = new CXmlNode;
            }
        } else if (current == '>' && !frame.startTagClosed) {
            const bool emptyElement = frame.lastSlash && frame.lastSlash + 1 == position;
            const char* keyEnd = emptyElement ? frame.lastSlash : position;
            node->mKey = CString(frame.start, static_cast<int>(keyEnd - frame.start));
            node->mKey.Replace(' ', '_');
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
            if (open.size() == 1)
                return position;
            open[open.size() - 2].node->AddElement(node);
            open.pop_back();
        }
    }
}
