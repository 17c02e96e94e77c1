#include "tnwmfcut.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kDeclarationLine = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

std::string Written(CXmlNode& node)
{
    CHandle out;
    node.Write(out, 0);
    return std::string(reinterpret_cast<const char*>(out.GetBuffer()), out.GetSize());
}

std::string Document(const std::string& value)
{
    return kDeclarationLine + "<Shared>\r\n<Who>" + value + "</Who>\r\n</Shared>\r\n";
}

void WriteWho(CXmlWriter& writer, const char* who)
{
    writer.EnterNode("Shared");
    writer.WriteValue("Who", who);
    writer.LeaveNode();
}

} // namespace

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
    EXPECT_EQ(document.GetValue(), "") << "the plain end tag opens a child instead";
    EXPECT_NE(document.FindChild("/a", false), nullptr);

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

TEST(XmlWriter, WritesTheDocumentByteForByteWhenTheOutermostNodeIsLeft)
{
    ScratchFolder folder;
    const std::string path = folder.File("a\\b\\settings.xml");
    CXmlWriter writer;
    writer.SetFilePath(path.c_str());
    writer.EnterNode("Settings");
    writer.WriteValue("Name", "abc");
    writer.WriteValue("Count", "3");
    writer.WriteValue("Title", "");
    writer.WriteValue("Other", nullptr);
    writer.EnterNode("Main Window");
    writer.WriteValue("Left Edge", "10");
    writer.LeaveNode();
    writer.EnterNode("Empty Object");
    writer.LeaveNode();
    EXPECT_FALSE(UFileUtils::FileExist(path.c_str())) << "not before the end";
    CXmlWriter copy(writer);
    EXPECT_EQ(copy.GetFilePath(), writer.GetFilePath());
    copy.LeaveNode();
    EXPECT_FALSE(UFileUtils::FileExist(path.c_str())) << "the copy has no document";
    writer.LeaveNode();

    // The missing folders are made; empty values and empty objects are not written.
    EXPECT_EQ(ReadWholeFile(path), kDeclarationLine +
                                       "<Settings>\r\n"
                                       "<Count>3</Count>\r\n"
                                       "<Main_Window>\r\n"
                                       "<Left_Edge>10</Left_Edge>\r\n"
                                       "</Main_Window>\r\n"
                                       "<Name>abc</Name>\r\n"
                                       "</Settings>\r\n");
    EXPECT_FALSE(writer.HasWriteFailed());
    EXPECT_FALSE(UFileUtils::FileExist((path + ".new").c_str())) << "nothing left beside it";

    // The writer is idle again: a second document replaces the file.
    writer.LeaveNode();
    writer.WriteValue("Stray", "1");
    writer.EnterNode("Settings");
    writer.WriteValue("Title", "");
    writer.LeaveNode();
    EXPECT_EQ(ReadWholeFile(path), kDeclarationLine) << "only the declaration for nothing to write";
    CXmlReader reader;
    reader.SetFilePath(path.c_str());
    EXPECT_FALSE(reader.HasData());
    // Objects entered and left without values still show that they were there.
    writer.EnterNode("Settings");
    writer.EnterNode("Window");
    writer.LeaveNode();
    writer.LeaveNode();
    EXPECT_EQ(ReadWholeFile(path), kDeclarationLine + "<Settings>\r\n</Settings>\r\n");

    // A document never left is never written.
    {
        CXmlWriter dropped;
        dropped.SetFilePath(folder.File("never.xml").c_str());
        dropped.EnterNode("Settings");
        dropped.WriteValue("a", "1");
    }
    EXPECT_FALSE(UFileUtils::FileExist(folder.File("never.xml").c_str()));
    CXmlWriter nowhere;
    WriteWho(nowhere, "lost");
    EXPECT_TRUE(nowhere.HasWriteFailed()) << "no path";
}

TEST(XmlWriter, KeepsValuesHoldingLessThanWithoutChangingOtherValues)
{
    ScratchFolder folder;
    const std::string path = folder.File("values.xml");
    const char* values[] = { "a < b", "<<x>>", "&#60;", "a&#38;b", "&#6<", "&amp; & > \" '", "&#60", "&#" };
    CXmlWriter writer;
    writer.SetFilePath(path.c_str());
    writer.EnterNode("Values");
    for (int i = 0; i < 8; ++i)
        writer.WriteValue(("v" + std::to_string(i)).c_str(), values[i]);
    writer.LeaveNode();

    const std::string file = ReadWholeFile(path);
    EXPECT_NE(file.find("<v0>a &#60; b</v0>"), std::string::npos) << file;
    EXPECT_NE(file.find("<v5>&amp; & > \" '</v5>"), std::string::npos) << "written as held";
    EXPECT_NE(file.find("<v6>&#60</v6>"), std::string::npos);

    CXmlReader reader;
    reader.SetFilePath(path.c_str());
    reader.EnterNode("Values");
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(reader.ReadValue(("v" + std::to_string(i)).c_str()), values[i]) << i;
}

TEST(XmlWriter, AFailedWriteLeavesThePreviousFile)
{
    ScratchFolder folder;
    const std::string path = folder.File("settings.xml");
    CXmlWriter writer;
    writer.SetFilePath(path.c_str());
    WriteWho(writer, "before");
    ASSERT_FALSE(writer.HasWriteFailed());

    // The new file cannot be made.
    ASSERT_TRUE(::CreateDirectoryA((path + ".new").c_str(), nullptr));
    WriteWho(writer, "after");
    EXPECT_TRUE(writer.HasWriteFailed());
    EXPECT_EQ(ReadWholeFile(path), Document("before"));
    ::RemoveDirectoryA((path + ".new").c_str());

    // The old file cannot be replaced: another program holds it open.
    HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    WriteWho(writer, "after");
    EXPECT_TRUE(writer.HasWriteFailed());
    ::CloseHandle(held);
    EXPECT_EQ(ReadWholeFile(path), Document("before"));
    EXPECT_FALSE(UFileUtils::FileExist((path + ".new").c_str())) << "the unfinished file is removed";

    WriteWho(writer, "after");
    EXPECT_FALSE(writer.HasWriteFailed());
    EXPECT_EQ(ReadWholeFile(path), Document("after"));
}

TEST(XmlWriter, AllUsersFilesGoToThePerUserCopyWhenTheSharedOneCannotBeWritten)
{
    // A folder of the same relative name in the all-users and the per-user folders.
    const std::string relative = "tnwtest_xml_" + std::to_string(::GetCurrentProcessId()) + "\\";
    const std::string common = UDirectoryUtils::GetCommonAppDataDirectory() + relative;
    const std::string user = UDirectoryUtils::GetUserAppDataDirectory() + relative;
    const std::string shared = common + "shared.xml";
    const std::string own = user + "shared.xml";
    // Removed at the end, files and then folders, the application's own when nothing else
    // is left in them.
    struct StRemove {
        std::vector<std::string> paths;
        ~StRemove()
        {
            for (const std::string& path : paths) {
                ::DeleteFileA(path.c_str());
                ::RemoveDirectoryA(path.c_str());
            }
        }
    } remove{ { shared, own, common, user, UDirectoryUtils::GetCommonAppDataDirectory(),
                UDirectoryUtils::GetUserAppDataDirectory() } };
    EXPECT_EQ(UPerUserPath::GetAlternative(shared.c_str()), own.c_str());
    EXPECT_EQ(UPerUserPath::GetAlternative("C:\\elsewhere\\shared.xml"), "");
    EXPECT_EQ(UPerUserPath::GetAlternative(nullptr), "");

    CXmlWriter writer;
    writer.SetFilePath(shared.c_str());
    WriteWho(writer, "everybody");
    EXPECT_EQ(ReadWholeFile(shared), Document("everybody"));
    EXPECT_FALSE(UFileUtils::FileExist(own.c_str())) << "only when the shared file fails";

    ::DeleteFileA(shared.c_str());
    ASSERT_TRUE(::CreateDirectoryA(shared.c_str(), nullptr)) << "a folder in the way of the shared file";
    WriteWho(writer, "me");
    EXPECT_FALSE(writer.HasWriteFailed());
    EXPECT_EQ(ReadWholeFile(own), Document("me"));
    CXmlReader reader;
    reader.SetFilePath(shared.c_str());
    reader.EnterNode("Shared");
    EXPECT_EQ(reader.ReadValue("Who"), "me") << "read from the per-user copy";

    ::DeleteFileA(own.c_str());
    ASSERT_TRUE(::CreateDirectoryA(own.c_str(), nullptr));
    WriteWho(writer, "nobody");
    EXPECT_TRUE(writer.HasWriteFailed()) << "both paths failed";
}
