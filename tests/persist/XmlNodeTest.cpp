#include "tnwmfcut.h"
#include "XmlTexts.h"

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
    CXmlNode stranger;
    node.RemoveElement(&stranger);
    node.AddElement(nullptr);
    EXPECT_EQ(node.GetChildCount(), 9);
    EXPECT_EQ(node.FindChild("x", false)->GetValue(), "1");
}

// Keys changed every way (set, changed through the reference GetKey hands out, assigned,
// parsed, reset) and children moved or deleted are the xml_tree fuzz target's to check
// after every step, for the few children kept in order in place; the many children found
// through the index are this test's.
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
    EXPECT_EQ(Bytes(out), "before" + Written(root));
}

// Deep copies, and assignments from anywhere in the tree (a node's own descendants too),
// are the xml_tree fuzz target's to check.
TEST(XmlNode, ACopyOfAChildHasNoParentAndAResetNodeIsEmpty)
{
    CXmlNode original;
    original.SetKey("Root");
    original.AddNode("Object")->AddValue("a", "1");
    CXmlNode copy(*original.FindChild("Object", false));
    EXPECT_EQ(copy.GetParent(), nullptr);
    original.Reset();
    EXPECT_TRUE(Written(original).empty() && original.GetChildCount() == 0);
}
