#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Keys(const CXmlNode& node)
{
    std::string keys;
    for (int i = 0; i < node.GetChildCount(); ++i) {
        const CXmlNode* child = node.GetChildAt(i);
        keys += std::string(child->GetKey()) + "=" + std::string(child->GetValue()) + ";";
    }
    return keys;
}

std::string Written(CXmlNode& node)
{
    CHandle out;
    node.Write(out, 0);
    return std::string(reinterpret_cast<const char*>(out.GetBuffer()), out.GetSize());
}

// The children in order, each found by FindChild as the first of its key: what every
// lookup relies on, whatever happened to the keys.
::testing::AssertionResult OrderedAndFound(CXmlNode& node)
{
    for (int i = 0; i < node.GetChildCount(); ++i) {
        const CXmlNode* child = node.GetChildAt(i);
        if (i > 0 && std::strcmp(node.GetChildAt(i - 1)->GetKey(), child->GetKey()) > 0)
            return ::testing::AssertionFailure() << "out of order at " << i << ": " << Keys(node);
        const bool first = i == 0 || node.GetChildAt(i - 1)->GetKey() != child->GetKey();
        if (first && node.FindChild(child->GetKey(), false) != child)
            return ::testing::AssertionFailure() << "not found: " << static_cast<const char*>(child->GetKey());
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(XmlNode, KeysTakeKeyFormAndChildrenStayInByteOrderAndEqualKeysInArrivalOrder)
{
    EXPECT_EQ(CXmlNode::MakeXmlKey(" a  b "), "_a__b_");
    CXmlNode node;
    node.SetKey("My Settings");
    EXPECT_EQ(node.GetStartTag() + node.GetEndTag() + node.GetEmptyTag(),
              "<My_Settings></My_Settings><My_Settings />");
    CXmlNode* added = node.AddValue("Has Data", "1");
    EXPECT_EQ(added->GetKey(), "Has_Data");
    EXPECT_EQ(node.FindChild("Has Data", false), added);
    node.RemoveElement(added);
    delete added;
    node.AddValue("b", "1");
    node.AddValue("a", "2");
    node.AddValue("\xE9t\xE9", "3");
    node.AddValue("B", "4");
    node.AddValue("b", "5");
    node.AddValue("a", "6");
    node.AddValue("ab", "7");
    // Capitals before small letters, bytes above 127 after everything in ASCII.
    EXPECT_EQ(Keys(node), "B=4;a=2;a=6;ab=7;b=1;b=5;\xE9t\xE9=3;");
    EXPECT_EQ(node.FindChild("a", false)->GetValue(), "2") << "the first of equal keys";
    EXPECT_EQ(node.FindChild("b", false)->GetValue(), "1");
    EXPECT_EQ(node.FindChild("c", false), nullptr);
    EXPECT_EQ(node.FindChild("", false), nullptr);
    for (int i = 0; i < node.GetChildCount(); ++i)
        EXPECT_EQ(node.GetChildAt(i)->GetParent(), &node);

    // Values holding "<" are refused; empty values add nothing; a value is always a new child.
    CXmlNode* value = node.FindChild("ab", false);
    value->SetValue("a & b > c");
    value->SetValue("a < b");
    EXPECT_EQ(value->GetValue(), "a & b > c") << "kept as it was";
    EXPECT_EQ(node.AddValue("x", ""), nullptr);
    EXPECT_EQ(node.AddValue("x", nullptr), nullptr);
    node.AddValue("x", "1");
    node.AddValue("x", "2");
    EXPECT_EQ(node.GetChildCount(), 9);
    EXPECT_EQ(node.FindChild("x", false)->GetValue(), "1");
}

TEST(XmlNode, AChildWhoseKeyChangesIsFoundUnderItsNewKeyOnly)
{
    CXmlNode node;
    CXmlNode* a = node.AddValue("a", "1");
    CXmlNode* m = node.AddValue("m", "2");
    CXmlNode* z = node.AddValue("z", "3");
    node.AddValue("q", "4");

    m->SetKey("b b");
    EXPECT_EQ(node.FindChild("m", false), nullptr);
    EXPECT_EQ(node.FindChild("b_b", false), m);
    // Through the key handed out, changed in place and by assignment.
    a->GetKey() = "y";
    EXPECT_EQ(node.FindChild("y", false), a);
    EXPECT_EQ(node.FindChild("a", false), nullptr);
    z->GetKey().SetAt(0, 'c');
    EXPECT_EQ(node.FindChild("c", false), z);
    // A renamed child goes after the children of its new key, as a child added then would.
    node.FindChild("q", false)->SetKey("y");
    EXPECT_EQ(Keys(node), "b_b=2;c=3;y=1;y=4;");
    EXPECT_TRUE(OrderedAndFound(node));

    // Assignment, parsing and resetting change a child's key too.
    CXmlNode other;
    other.SetKey("d");
    other.SetValue("1");
    *a = other;
    EXPECT_EQ(node.FindChild("d", false), a);
    m->Parse("e>5</e>");
    EXPECT_EQ(node.FindChild("e", false), m);
    z->Reset();
    EXPECT_EQ(node.FindChild("c", false), nullptr);
    CXmlNode* nameless = new CXmlNode;
    node.AddElement(nameless);
    EXPECT_EQ(node.GetChildAt(1), nameless) << "after the reset child of the same empty key";
    nameless->Parse("zz>6</zz>");
    EXPECT_EQ(node.FindChild("zz", false), nameless) << "a first key given by parsing";
    EXPECT_TRUE(OrderedAndFound(node));
    // From the empty key that resetting leaves as well.
    *z = other;
    EXPECT_EQ(node.FindChild("d", false), a);
    z->Reset();
    z->Parse("f>6</f>");
    EXPECT_EQ(node.FindChild("f", false), z);
    EXPECT_TRUE(OrderedAndFound(node));

    // A child taken out or deleted leaves nothing of itself behind.
    z->SetKey("zz");
    node.RemoveElement(z);
    EXPECT_EQ(z->GetParent(), nullptr);
    delete z;
    delete m;
    delete nameless;
    EXPECT_EQ(Keys(node), "d=1;y=4;");
    CXmlNode stranger;
    node.RemoveElement(&stranger);
    node.AddElement(nullptr);
    EXPECT_EQ(node.GetChildCount(), 2);
}

TEST(XmlNode, LookupsStayRightThroughManyKeyChanges)
{
    std::mt19937 random(11);
    CXmlNode node;
    std::vector<CXmlNode*> children;
    auto name = [&] { return "k" + std::to_string(random() % 60); };
    for (int i = 0; i < 300; ++i)
        children.push_back(node.AddValue(name().c_str(), "v"));
    for (int step = 0; step < 3000; ++step) {
        CXmlNode* child = children[random() % children.size()];
        switch (random() % 4) {
        case 0: child->SetKey(name().c_str()); break;
        case 1: child->GetKey() = name().c_str(); break;
        case 2:
            children.erase(std::find(children.begin(), children.end(), child));
            delete child;
            break;
        default: children.push_back(node.AddValue(name().c_str(), "v")); break;
        }
        if (step % 7 == 0) {
            ASSERT_TRUE(OrderedAndFound(node)) << "step " << step;
        }
    }
    EXPECT_EQ(node.GetChildCount(), static_cast<int>(children.size()));
    EXPECT_TRUE(OrderedAndFound(node));
}

TEST(XmlNode, WritesTheTextFormWithoutIndentation)
{
    CXmlNode root;
    root.SetKey("Root");
    CXmlNode* object = root.AddNode("Object");
    object->AddValue("Value", "v & w > x");
    object->AddNode("Empty")->AddNode("Deeper");
    root.AddNode("Skipped");
    CXmlNode* both = root.AddValue("Both", "text");
    both->AddValue("Hidden", "1");
    root.AddElement(new CXmlNode);
    EXPECT_EQ(Written(root), "<Root>\r\n"
                             "<Both>text</Both>\r\n"
                             "<Object>\r\n"
                             "<Empty>\r\n"
                             "</Empty>\r\n"
                             "<Value>v & w > x</Value>\r\n"
                             "</Object>\r\n"
                             "</Root>\r\n");

    // Nothing for a node without a key, nor for one without a value or children.
    CXmlNode nameless, bare;
    nameless.AddValue("a", "1");
    bare.SetKey("Bare");
    EXPECT_EQ(Written(nameless) + Written(bare), "");
    // What a handle held before stays in front.
    CHandle out;
    out.Append("before", 6);
    root.Write(out, 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.GetBuffer()), out.GetSize()), "before" + Written(root));
}

TEST(XmlNode, CopiesAreDeepAndIndependent)
{
    CXmlNode original;
    original.SetKey("Root");
    CXmlNode* object = original.AddNode("Object");
    object->AddValue("a", "1");
    object->AddValue("a", "2");
    original.AddValue("b", "3");

    CXmlNode copy(original);
    EXPECT_EQ(copy.GetParent(), nullptr);
    EXPECT_EQ(Written(copy), Written(original));
    CXmlNode* copied = copy.FindChild("Object", false);
    ASSERT_NE(copied, object);
    EXPECT_EQ(copied->GetParent(), &copy);
    object->AddValue("c", "4");
    EXPECT_EQ(Keys(*copied), "a=1;a=2;");

    // Assigning a part of the node's own tree to it; assignment keeps the node's parent.
    original = *object;
    EXPECT_EQ(std::string(original.GetKey()) + ": " + Keys(original), "Object: a=1;a=2;c=4;");
    *copied = original;
    EXPECT_EQ(copied->GetParent(), &copy);
    EXPECT_EQ(copy.FindChild("Object", false), copied);
    original.Reset();
    EXPECT_TRUE(Written(original).empty() && original.GetChildCount() == 0);
}
