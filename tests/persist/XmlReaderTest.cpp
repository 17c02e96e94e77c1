#include "tnwmfcut.h"

#include "ScratchFolder.h"
#include "XmlTexts.h"

#include <gtest/gtest.h>

#include <string>

TEST(XmlReader, ReadsADocumentWrittenByAnotherTool)
{
    // Indented, LF line ends, a comment, an empty element in both forms, duplicated and
    // unordered elements, text around child elements.
    const char* text = "<?xml version='1.0'?>\n"
                       "<!-- written by hand -->\n"
                       "<Settings>\n"
                       "  <Title>My &amp; yours</Title>\n"
                       "  <Enabled/>\n"
                       "  <Empty />\n"
                       "  <Window>\n"
                       "    <Top>5</Top>\n"
                       "    <Left>  7 </Left>\n"
                       "  </Window>\n"
                       "  <Count>1</Count>\n"
                       "  <Count>2</Count>\n"
                       "</Settings>\n";
    CXmlReader reader;
    reader.Parse(text);
    ASSERT_TRUE(reader.HasData());
    CXmlNode* top = reader.GetTopNode();
    EXPECT_EQ(top->GetKey(), "!--_written_by_hand_--") << "a comment parses as an element";
    reader.EnterNode("");
    reader.EnterNode("Settings");
    EXPECT_EQ(reader.ReadValue("Title"), "My &amp; yours") << "references stay as written";
    EXPECT_EQ(reader.ReadValue("Count"), "1") << "the first of two";
    EXPECT_EQ(reader.ReadValue("Enabled"), "");
    EXPECT_NE(reader.GetCurrentNode()->FindChild("Enabled", false), nullptr);
    EXPECT_NE(reader.GetCurrentNode()->FindChild("Empty_", false), nullptr) << "the blank is part of the key";
    EXPECT_EQ(reader.GetCurrentNode()->GetValue(), "") << "text beside children is dropped";
    reader.EnterNode("Window");
    EXPECT_EQ(reader.ReadValue("Top"), "5");
    EXPECT_EQ(reader.ReadValue("Left"), "  7 ") << "every byte between the tags";
}

TEST(XmlReader, WantsTheDeclarationAtTheVeryFirstByteAndKeepsWhatItReadOfACutDocument)
{
    const std::string body = "<a><b>1</b></a>";
    const std::string refused[] = { " " + kDeclarationLine + body, "\xEF\xBB\xBF" + kDeclarationLine + body,
                                    "<?xml version" + body, body, "<?xml version=\"1.0\"", "<?xml version=\"1.0\"?>",
                                    "" };
    for (const std::string& text : refused) {
        CXmlReader reader;
        reader.Parse(text.c_str());
        EXPECT_FALSE(reader.HasData()) << text;
        reader.EnterNode("a");
        EXPECT_EQ(reader.ReadValue("b"), "");
    }
    CXmlReader reader;
    reader.Parse(nullptr);
    EXPECT_FALSE(reader.HasData());
    reader.Parse(("<?xml version=>garbage<" + body.substr(1)).c_str());
    EXPECT_TRUE(reader.HasData());

    // A text that is no document leaves what was read before.
    reader.Parse(body.c_str());
    ASSERT_TRUE(reader.HasData());
    EXPECT_EQ(reader.GetTopNode()->GetKey(), "a");

    // What was read of a cut document is kept.
    const std::string whole = kDeclarationLine + "<S>\r\n<A>1</A>\r\n<B>\r\n<C>2</C>\r\n<D>33</D>\r\n</B>\r\n</S>\r\n";
    reader.Parse(whole.substr(0, whole.find("<D>") + 4).c_str());
    ASSERT_TRUE(reader.HasData());
    reader.EnterNode("S");
    EXPECT_EQ(reader.ReadValue("A"), "1");
    reader.EnterNode("B");
    EXPECT_EQ(reader.ReadValue("C"), "2");
    EXPECT_EQ(reader.ReadValue("D"), "") << "a value without its end tag is not taken";
    EXPECT_NE(reader.GetCurrentNode()->FindChild("D", false), nullptr);

    for (size_t length = 0; length <= whole.size(); ++length) {
        CXmlReader cut;
        cut.Parse(whole.substr(0, length).c_str());
        EXPECT_EQ(cut.HasData(), length > kDeclarationLine.size()) << length;
    }
}

TEST(XmlReader, ParsesTheWayTheLibraryAlwaysHas)
{
    CXmlDocument document;
    // Attributes become part of the key, so only an end tag in key form ends the element.
    ASSERT_NE(document.Parse((kDeclarationLine + "<a x=\"1\">v</a_x=\"1\">").c_str()), nullptr);
    EXPECT_EQ(document.GetKey(), "a_x=\"1\"");
    EXPECT_EQ(document.GetValue(), "v");
    document.Parse((kDeclarationLine + "<a x=\"1\">v</a>").c_str());
    EXPECT_EQ(document.GetValue(), "") << "the outermost element skips an end tag not its own";
    EXPECT_EQ(document.GetChildCount(), 0);

    // Any other element ends at an end tag that is not its own, which never starts a child
    // whose key would write as an end tag.
    document.Parse((kDeclarationLine + "<S>\r\n<V>0</v>\r\n<B>\r\n<C>1</C>\r\n</S>\r\n<D>2</D>\r\n</S>").c_str());
    const std::string sound = kDeclarationLine + "<S>\r\n<B>\r\n<C>1</C>\r\n</B>\r\n<D>2</D>\r\n<V>0</V>\r\n</S>\r\n";
    EXPECT_EQ(Written(document), sound);

    const char* rest = document.Parse((kDeclarationLine + "<a><b/><c>1</c></a>tail").c_str());
    ASSERT_NE(rest, nullptr);
    EXPECT_STREQ(rest, "tail") << "the position after the end tag";
    EXPECT_EQ(Written(document), kDeclarationLine + "<a>\r\n<c>1</c>\r\n</a>\r\n");

    // A "<" inside a start tag ends the element before it has a key.
    document.Parse((kDeclarationLine + "<a<b>2</b>").c_str());
    EXPECT_EQ(document.GetKey(), "");
    EXPECT_EQ(document.GetChildCount(), 0);

    CXmlNode node;
    EXPECT_STREQ(node.Parse("k>multi\r\nline > text</k>!"), "!");
    EXPECT_EQ(node.GetKey(), "k");
    EXPECT_EQ(node.GetValue(), "multi\r\nline > text");
}

TEST(XmlReader, ReadsFilesUpToTheirEndOrAZeroByteAndCopiesItsTree)
{
    ScratchFolder folder;
    const std::string path = folder.File("read.xml");
    WriteWholeFile(path, kDeclarationLine + "<S>\r\n<A>1</A>\r\n<B>2</B>" + std::string(1, '\0') + "<C>3</C>\r\n</S>");
    CXmlReader reader;
    reader.SetFilePath(path.c_str());
    EXPECT_EQ(reader.GetFilePath(), path.c_str());
    ASSERT_TRUE(reader.HasData());
    reader.EnterNode("S");
    EXPECT_EQ(reader.ReadValue("B"), "2");
    EXPECT_EQ(reader.ReadValue("C"), "");
    CHandle data;
    ASSERT_TRUE(reader.ReallyReadData(path.c_str(), data));
    EXPECT_EQ(data.GetSize(), ReadWholeFile(path).size()) << "exactly the file's bytes";

    // A copy has a tree of its own; a borrowed tree is shared and never deleted.
    CXmlReader copy(reader);
    ASSERT_NE(copy.GetTopNode(), reader.GetTopNode());
    EXPECT_EQ(copy.GetCurrentNode(), nullptr);
    copy.EnterNode("S");
    EXPECT_EQ(copy.ReadValue("A"), "1");
    reader = copy;
    EXPECT_NE(reader.GetTopNode(), copy.GetTopNode());
    CXmlNode* borrowed = copy.GetTopNode()->FindChild("A", false);
    {
        CXmlReader borrower;
        borrower.SetTopNode(borrowed, false);
        borrower.EnterNode("A");
        borrower.LeaveNode();
        EXPECT_EQ(borrower.GetCurrentNode(), nullptr) << "leaving the top node leaves the tree";
        CXmlReader shared(borrower);
        EXPECT_EQ(shared.GetTopNode(), borrowed);
    }
    EXPECT_EQ(copy.GetTopNode()->FindChild("A", false)->GetValue(), "1") << "a borrowed tree is not deleted";
}
