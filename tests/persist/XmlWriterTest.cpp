#include "tnwmfcut.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kDeclarationLine = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

} // namespace

TEST(XmlWriter, WritesTheDocumentByteForByteWhenTheOutermostNodeIsLeft)
{
    ScratchFolder folder;
    CXmlWriter writer;
    writer.SetFilePath(folder.File("settings.xml").c_str());
    writer.EnterNode("Settings");
    writer.WriteValue("Name", "abc");
    writer.WriteValue("Count", "3");
    writer.EnterNode("Main Window");
    writer.WriteValue("Left Edge", "10");
    writer.LeaveNode();
    EXPECT_FALSE(UFileUtils::FileExist(folder.File("settings.xml").c_str())) << "not before the end";
    writer.LeaveNode();

    EXPECT_EQ(ReadWholeFile(folder.File("settings.xml")), kDeclarationLine +
                                                              "<Settings>\r\n"
                                                              "<Count>3</Count>\r\n"
                                                              "<Main_Window>\r\n"
                                                              "<Left_Edge>10</Left_Edge>\r\n"
                                                              "</Main_Window>\r\n"
                                                              "<Name>abc</Name>\r\n"
                                                              "</Settings>\r\n");
    EXPECT_FALSE(writer.HasWriteFailed());
    EXPECT_FALSE(UFileUtils::FileExist(folder.File("settings.xml.new").c_str())) << "nothing left beside it";

    // The writer is idle again: a second document replaces the file.
    writer.LeaveNode();
    writer.WriteValue("Stray", "1");
    writer.EnterNode("Other");
    writer.WriteValue("x", "y");
    writer.LeaveNode();
    EXPECT_EQ(ReadWholeFile(folder.File("settings.xml")), kDeclarationLine + "<Other>\r\n<x>y</x>\r\n</Other>\r\n");
}

TEST(XmlWriter, EmptyValuesAndEmptyObjectsLeaveOnlyTheDeclaration)
{
    ScratchFolder folder;
    CXmlWriter writer;
    writer.SetFilePath(folder.File("empty.xml").c_str());
    writer.EnterNode("Settings");
    writer.WriteValue("Title", "");
    writer.WriteValue("Other", nullptr);
    writer.LeaveNode();
    EXPECT_EQ(ReadWholeFile(folder.File("empty.xml")), kDeclarationLine);

    CXmlReader reader;
    reader.SetFilePath(folder.File("empty.xml").c_str());
    EXPECT_FALSE(reader.HasData());

    // Objects entered and left without values still show that they were there.
    writer.EnterNode("Settings");
    writer.EnterNode("Window");
    writer.LeaveNode();
    writer.LeaveNode();
    EXPECT_EQ(ReadWholeFile(folder.File("empty.xml")), kDeclarationLine + "<Settings>\r\n</Settings>\r\n");
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

TEST(XmlWriter, DroppingAnOpenDocumentWritesNothing)
{
    ScratchFolder folder;
    {
        CXmlWriter writer;
        writer.SetFilePath(folder.File("never.xml").c_str());
        writer.EnterNode("Settings");
        writer.EnterNode("Deeper");
        writer.WriteValue("a", "1");

        CXmlWriter copy(writer);
        EXPECT_EQ(copy.GetFilePath(), writer.GetFilePath());
        copy.LeaveNode();
        EXPECT_FALSE(UFileUtils::FileExist(folder.File("never.xml").c_str())) << "the copy has no document";
    }
    EXPECT_FALSE(UFileUtils::FileExist(folder.File("never.xml").c_str()));
}
