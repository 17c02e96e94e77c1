// Documents of the XML layer: whatever bytes a settings file or a web answer holds.
//
// - The parse never reads past the text, ends inside it, and builds a tree whose children
//   are in key order and are found again by their keys.
// - A document that was read writes a text that reads back and writes the same bytes
//   again; a deep copy writes what the original writes.
// - The reader answers lookups of every key in the tree with the decoded value.
#include "FuzzCheck.h"

#include "persist/XmlReader.h"
#include "persist/XmlValueText.h"

#include <cstring>
#include <vector>

namespace {

// Nodes visited per input: enough for every shape, bounded for speed.
const int kVisitLimit = 4096;

std::string Written(CXmlNode& node)
{
    CHandle out;
    node.Write(out, 0);
    return std::string(reinterpret_cast<const char*>(out.GetBuffer()), out.GetSize());
}

// The node's own text form, without what an override adds (the declaration).
std::string WrittenBody(CXmlNode& node)
{
    CHandle out;
    if (!node.GetKey().IsEmpty())
        node.CXmlNode::WriteSelf(out, 0);
    return std::string(reinterpret_cast<const char*>(out.GetBuffer()), out.GetSize());
}

void CheckTree(CXmlNode& top)
{
    std::vector<CXmlNode*> pending{ &top };
    int visited = 0;
    while (!pending.empty() && visited++ < kVisitLimit) {
        CXmlNode* node = pending.back();
        pending.pop_back();
        FUZZ_CHECK(!std::strchr(node->GetKey(), ' '), "keys are in key form");
        FUZZ_CHECK(!std::strchr(node->GetKey(), '<') && !std::strchr(node->GetKey(), '>'),
                   "a parsed key holds no tag mark");
        FUZZ_CHECK(!std::strchr(node->GetValue(), '<'), "a value never holds \"<\"");
        for (int i = 0; i < node->GetChildCount(); ++i) {
            CXmlNode* child = node->GetChildAt(i);
            FUZZ_CHECK(child->GetParent() == node, "a child knows its parent");
            FUZZ_CHECK(*static_cast<const char*>(child->GetKey()) != '/', "an end tag never starts a child");
            if (i > 0)
                FUZZ_CHECK(std::strcmp(node->GetChildAt(i - 1)->GetKey(), child->GetKey()) <= 0,
                           "children are in key order");
            CXmlNode* found = node->FindChild(child->GetKey(), false);
            FUZZ_CHECK(found && found->GetKey() == child->GetKey(), "a child is found by its key");
            if (i == 0 || node->GetChildAt(i - 1)->GetKey() != child->GetKey())
                FUZZ_CHECK(found == child, "the first child of a key is found");
            pending.push_back(child);
        }
    }
}

void CheckReader(const char* text, CXmlDocument& parsed)
{
    CXmlReader reader;
    reader.Parse(text);
    FUZZ_CHECK(reader.HasData(), "the reader takes a document that parses");
    reader.EnterNode("whatever the root is called");
    FUZZ_CHECK(reader.GetCurrentNode() == reader.GetTopNode(), "the first enter finds the root");
    int checked = 0;
    for (int i = 0; i < parsed.GetChildCount() && checked < kVisitLimit; ++i, ++checked) {
        CXmlNode* child = parsed.GetChildAt(i);
        CXmlNode* first = parsed.FindChild(child->GetKey(), false);
        const CString value = reader.ReadValue(child->GetKey());
        FUZZ_CHECK(value == UXmlValueText::Decode(first->GetValue()),
                   "a value reads as its decoded text");
    }
    reader.EnterNode("a child that is missing");
    FUZZ_CHECK(reader.ReadValue("anything").IsEmpty(), "a missing element holds nothing");
    reader.LeaveNode();
    reader.LeaveNode();
    FUZZ_CHECK(reader.GetCurrentNode() == nullptr, "leaving the root leaves the tree");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The reader stops at the first zero byte, as it does at the end of a file.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* begin = text.c_str();

    CXmlDocument document;
    const char* end = document.Parse(begin);
    if (!end) {
        FUZZ_CHECK(document.GetKey().IsEmpty() && document.GetChildCount() == 0,
                   "a text that is no document leaves the node as it was");
        return 0;
    }
    FUZZ_CHECK(end >= begin && end <= begin + std::strlen(begin), "the parse ends inside the text");
    CheckTree(document);
    CheckReader(begin, document);

    const std::string first = Written(document);
    CXmlNode copy(document);
    FUZZ_CHECK(WrittenBody(copy) == WrittenBody(document), "a copy writes what the original writes");
    if (first.empty())
        return 0;

    CXmlDocument again;
    if (!again.Parse(first.c_str())) {
        FUZZ_CHECK(first == std::string(CXmlDocument::kDeclaration) + "\r\n",
                   "only a document that writes no element fails to read back");
        return 0;
    }
    FUZZ_CHECK(Written(again) == first, "a document that reads back writes the same bytes");
    return 0;
}
