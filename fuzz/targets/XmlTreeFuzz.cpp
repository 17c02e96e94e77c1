// XML trees as programs change them: children added (one or dozens at a time), found, renamed (also through the
// reference GetKey hands out, several at a time), moved, reset, deleted, assigned from
// anywhere in the tree (their own descendants included) and parsed into.
//
// After every step, for every node of the tree:
// - each child names the node as its parent, and the children are in key order;
// - children of an equal key are in the order they were added or last renamed;
// - FindChild gives the first child of a key;
// - a deep copy of the whole tree writes what the tree writes.
// Nodes deleted or moved away leave no pointer behind (AddressSanitizer sees every node).
#include "FuzzCheck.h"

#include "persist/XmlNode.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <map>
#include <vector>

namespace {

const int kSteps = 60;
const size_t kMostNodes = 300;
// Lists longer than this are also found through a hash index, kept up to date as children
// come and go and keys change: a step adds as many at once.
const int kIndexedChildren = 33;

enum EStep {
    kAddNode,
    kAddValue,
    kFindOrCreate,
    kSetKey,
    kChangeKeyInPlace,
    kRenameSeveral,
    kReset,
    kAssign,
    kDelete,
    kMove,
    kParse,
    kSetValue,
    kAddMany,
    kStepCount
};

// Names for SetKey may hold blanks (they become "_"); keys changed in place hold none, as
// keys never do.
const char* const kNames[] = { "", "a", "b", "Name", "Count", "Has Data", "Child", "z" };
const char* const kKeys[] = { "", "a", "b", "Name", "Count", "Has_Data", "Child", "z" };

class CTreeModel {
public:
    explicit CTreeModel(CXmlNode& root)
        : mRoot(root)
    {
    }

    // Every node of the tree, the root first.
    std::vector<CXmlNode*> Nodes() const { return Subtree(&mRoot); }

    static std::vector<CXmlNode*> Subtree(CXmlNode* top)
    {
        std::vector<CXmlNode*> nodes{ top };
        for (size_t i = 0; i < nodes.size(); ++i) {
            for (int k = 0; k < nodes[i]->GetChildCount(); ++k)
                nodes.push_back(nodes[i]->GetChildAt(k));
        }
        return nodes;
    }

    // A node's place among children of an equal key: when it was added or last renamed.
    void Stamp(CXmlNode* node) { mStamps[node] = ++mClock; }
    void StampTied(CXmlNode* node) { mStamps[node] = mClock; }
    void Tick() { ++mClock; }
    // Forgets the nodes below top (they are about to be deleted or replaced).
    void ForgetBelow(CXmlNode* top)
    {
        for (CXmlNode* node : Subtree(top)) {
            if (node != top)
                mStamps.erase(node);
        }
    }
    void Forget(CXmlNode* top)
    {
        ForgetBelow(top);
        mStamps.erase(top);
    }

    void Check()
    {
        for (CXmlNode* node : Nodes()) {
            const int count = node->GetChildCount();
            for (int i = 0; i < count; ++i) {
                CXmlNode* child = node->GetChildAt(i);
                FUZZ_CHECK(child->GetParent() == node, "a child names its parent");
                // Nodes the tree made itself (copies, parsed ones) come in their order.
                if (!mStamps.count(child))
                    Stamp(child);
                if (i == 0)
                    continue;
                CXmlNode* before = node->GetChildAt(i - 1);
                const int order = std::strcmp(before->GetKey(), child->GetKey());
                FUZZ_CHECK(order <= 0, "children are in key order");
                if (order == 0)
                    FUZZ_CHECK(mStamps[before] <= mStamps[child],
                               "children of an equal key are in the order they came");
            }
            for (int i = 0; i < count; ++i) {
                const CXmlNode* child = node->GetChildAt(i);
                if (i > 0 && node->GetChildAt(i - 1)->GetKey() == child->GetKey())
                    continue;
                FUZZ_CHECK(node->FindChild(child->GetKey(), false) == child,
                           "FindChild gives the first child of a key");
            }
        }
        CXmlNode copy(mRoot);
        FUZZ_CHECK(Written(copy) == Written(mRoot), "a copy writes what the tree writes");
    }

private:
    static std::string Written(CXmlNode& node)
    {
        CHandle out;
        node.Write(out, 0);
        return std::string(reinterpret_cast<const char*>(out.GetBuffer()), out.GetSize());
    }

    CXmlNode& mRoot;
    std::map<CXmlNode*, long> mStamps;
    long mClock = 0;
};

bool IsInside(CXmlNode* node, CXmlNode* top)
{
    for (; node; node = node->GetParent()) {
        if (node == top)
            return true;
    }
    return false;
}

// Sets a key, by SetKey or through the reference; restamps the node when the key changed.
void ChangeKey(FuzzedDataProvider& input, CTreeModel& model, CXmlNode* node, bool tied)
{
    const CString before = static_cast<const CXmlNode*>(node)->GetKey();
    const size_t pick = input.ConsumeIntegralInRange<size_t>(0, std::size(kNames) - 1);
    if (input.ConsumeBool())
        node->SetKey(kNames[pick]);
    else
        node->GetKey() = kKeys[pick];
    if (static_cast<const CXmlNode*>(node)->GetKey() != before)
        tied ? model.StampTied(node) : model.Stamp(node);
}

void Step(FuzzedDataProvider& input, CXmlNode& root, CTreeModel& model)
{
    const std::vector<CXmlNode*> nodes = model.Nodes();
    CXmlNode* node = nodes[input.ConsumeIntegralInRange<size_t>(0, nodes.size() - 1)];
    CXmlNode* other = nodes[input.ConsumeIntegralInRange<size_t>(0, nodes.size() - 1)];
    const char* name = kNames[input.ConsumeIntegralInRange<size_t>(0, std::size(kNames) - 1)];
    const bool full = nodes.size() >= kMostNodes;
    switch (static_cast<EStep>(input.ConsumeIntegralInRange<int>(0, kStepCount - 1))) {
    case kAddNode:
        if (!full)
            model.Stamp(node->AddNode(name));
        break;
    case kAddValue:
        if (!full) {
            const std::string text = input.ConsumeRandomLengthString(40);
            if (CXmlNode* added = node->AddValue(name, text.c_str()))
                model.Stamp(added);
        }
        break;
    case kFindOrCreate:
        if (!full) {
            const int count = node->GetChildCount();
            CXmlNode* found = node->FindChild(name, true);
            if (node->GetChildCount() != count)
                model.Stamp(found);
        }
        break;
    case kSetKey:
    case kChangeKeyInPlace:
        ChangeKey(input, model, node, false);
        break;
    case kRenameSeveral: {
        // Several keys change before the parent looks again.
        model.Tick();
        const int count = node->GetChildCount();
        std::vector<CXmlNode*> children;
        for (int i = 0; i < count; ++i)
            children.push_back(node->GetChildAt(i));
        for (CXmlNode* child : children) {
            if (input.ConsumeBool())
                ChangeKey(input, model, child, true);
        }
        break;
    }
    case kReset: {
        const CString before = static_cast<const CXmlNode*>(node)->GetKey();
        model.ForgetBelow(node);
        node->Reset();
        if (!before.IsEmpty())
            model.Stamp(node);
        break;
    }
    case kAssign: {
        if (full)
            break;
        const CString before = static_cast<const CXmlNode*>(node)->GetKey();
        model.ForgetBelow(node);
        *node = *other;
        if (static_cast<const CXmlNode*>(node)->GetKey() != before)
            model.Stamp(node);
        break;
    }
    case kDelete:
        if (node != &root) {
            model.Forget(node);
            if (input.ConsumeBool())
                node->GetParent()->RemoveElement(node);
            delete node;
        }
        break;
    case kMove:
        if (node != &root && !IsInside(other, node)) {
            node->GetParent()->RemoveElement(node);
            other->AddElement(node);
            model.Stamp(node);
        }
        break;
    case kParse: {
        if (full)
            break;
        const std::string text = input.ConsumeRandomLengthString(200);
        const CString before = static_cast<const CXmlNode*>(node)->GetKey();
        model.ForgetBelow(node);
        node->Parse(text.c_str());
        if (static_cast<const CXmlNode*>(node)->GetKey() != before)
            model.Stamp(node);
        break;
    }
    case kSetValue:
        node->SetValue(input.ConsumeRandomLengthString(40).c_str());
        break;
    case kAddMany:
        if (nodes.size() + 2 * kIndexedChildren <= kMostNodes) {
            const int count = input.ConsumeIntegralInRange<int>(kIndexedChildren, 2 * kIndexedChildren);
            for (int i = 0; i < count; ++i)
                model.Stamp(node->AddNode(kNames[input.ConsumeIntegralInRange<size_t>(0, std::size(kNames) - 1)]));
        }
        break;
    case kStepCount:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    CXmlNode root;
    root.SetKey("Settings");
    CTreeModel model(root);
    for (int i = 0; i < kSteps && input.remaining_bytes() > 0; ++i) {
        Step(input, root, model);
        model.Check();
    }
    return 0;
}
