#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Keys(const CXmlNode& node)
{
    std::string keys;
    for (int i = 0; i < node.GetChildCount(); ++i) {
        CXmlNode* child = node.GetChildAt(i);
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

} // namespace

TEST(XmlNode, KeysTakeKeyFormOnEveryPath)
{
    EXPECT_EQ(CXmlNode::MakeXmlKey("Has Data"), "Has_Data");
    EXPECT_EQ(CXmlNode::MakeXmlKey(" a  b "), "_a__b_");

    CXmlNode node;
    node.SetKey("My Settings");
    EXPECT_EQ(node.GetKey(), "My_Settings");
    CXmlNode* added = node.AddValue("Has Data", "1");
    EXPECT_EQ(added->GetKey(), "Has_Data");
    EXPECT_EQ(node.FindChild("Has Data", false), added);
    EXPECT_EQ(node.FindChild("Has_Data", false), added);
    EXPECT_EQ(node.AddNode("Sub Object")->GetKey(), "Sub_Object");
    EXPECT_EQ(node.GetStartTag(), "<My_Settings>");
    EXPECT_EQ(node.GetEndTag(), "</My_Settings>");
    EXPECT_EQ(node.GetEmptyTag(), "<My_Settings />");
}

TEST(XmlNode, ChildrenStayInByteOrderAndEqualKeysInArrivalOrder)
{
    CXmlNode node;
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
}

TEST(XmlNode, FindChildFindsAmongManyAndCreatesOnlyWhenAsked)
{
    CXmlNode node;
    for (int i = 999; i >= 0; --i) {
        char name[16];
        sprintf(name, "k%04d", i * 2);
        node.AddValue(name, name);
    }
    for (int i = 0; i < 2000; ++i) {
        char name[16];
        sprintf(name, "k%04d", i);
        CXmlNode* found = node.FindChild(name, false);
        if (i % 2 == 0) {
            ASSERT_NE(found, nullptr) << name;
            EXPECT_EQ(found->GetValue(), name);
        } else {
            EXPECT_EQ(found, nullptr) << name;
        }
    }
    CXmlNode* created = node.FindChild("k0001", true);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetKey(), "k0001");
    EXPECT_EQ(created->GetParent(), &node);
    EXPECT_EQ(node.GetChildAt(1), created);
    EXPECT_EQ(node.FindChild("k0001", true), created) << "found, not made twice";
    EXPECT_EQ(node.GetChildCount(), 1001);
}

TEST(XmlNode, ValuesRefuseLessThanAndEmptyValuesAreNotAdded)
{
    CXmlNode node;
    node.SetValue("a & b > c");
    EXPECT_EQ(node.GetValue(), "a & b > c");
    node.SetValue("a < b");
    EXPECT_EQ(node.GetValue(), "a & b > c") << "kept as it was";

    EXPECT_EQ(node.AddValue("x", ""), nullptr);
    EXPECT_EQ(node.AddValue("x", nullptr), nullptr);
    EXPECT_EQ(node.GetChildCount(), 0);
    node.AddValue("x", "1");
    node.AddValue("x", "2");
    EXPECT_EQ(Keys(node), "x=1;x=2;") << "always a new child";
}

TEST(XmlNode, RemoveElementHandsTheChildBack)
{
    CXmlNode node;
    CXmlNode* child = node.AddValue("x", "1");
    node.AddValue("y", "2");
    node.RemoveElement(child);
    EXPECT_EQ(child->GetParent(), nullptr);
    EXPECT_EQ(Keys(node), "y=2;");
    node.RemoveElement(child);
    EXPECT_EQ(node.GetChildCount(), 1);
    delete child;

    node.AddElement(nullptr);
    EXPECT_EQ(node.GetChildCount(), 1);
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

    CXmlNode nameless;
    nameless.AddValue("a", "1");
    EXPECT_EQ(Written(nameless), "");
    CXmlNode bare;
    bare.SetKey("Bare");
    EXPECT_EQ(Written(bare), "");
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
    ASSERT_NE(copy.FindChild("Object", false), object);
    EXPECT_EQ(copy.FindChild("Object", false)->GetParent(), &copy);
    EXPECT_EQ(Keys(*copy.FindChild("Object", false)), "a=1;a=2;");
    object->AddValue("c", "4");
    EXPECT_NE(Written(copy), Written(original));

    // Assigning a part of the node's own tree to it.
    original = *object;
    EXPECT_EQ(original.GetKey(), "Object");
    EXPECT_EQ(Keys(original), "a=1;a=2;c=4;");

    CXmlNode child;
    CXmlNode parent;
    parent.AddElement(&child);
    child = copy;
    EXPECT_EQ(child.GetParent(), &parent) << "assignment keeps the node where it is";
    parent.RemoveElement(&child);
}

TEST(XmlNode, ResetEmptiesTheNode)
{
    CXmlNode node;
    node.SetKey("k");
    node.SetValue("v");
    node.AddNode("a")->AddValue("b", "c");
    node.Reset();
    EXPECT_EQ(node.GetKey(), "");
    EXPECT_EQ(node.GetValue(), "");
    EXPECT_EQ(node.GetChildCount(), 0);
}
