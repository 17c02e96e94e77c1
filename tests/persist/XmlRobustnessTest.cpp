#include "tnwmfcut.h"

#include "DocumentMutator.h"
#include "ScratchFolder.h"
#include "XmlDamage.h"
#include "XmlTexts.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

const int kMillion = 1000000;

std::string Repeated(const std::string& piece, int times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

std::string RandomBytes(std::mt19937& random, size_t count)
{
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() % 256);
    return bytes;
}

} // namespace

TEST(XmlRobustness, AMillionLevelsAreParsedWrittenCopiedAndDeleted)
{
    const std::string text = kDeclarationLine + Repeated("<a>", kMillion) + "v" + Repeated("</a>", kMillion);
    CXmlReader reader;
    {
        CGuardedText guarded(text);
        reader.Parse(guarded.Text());
    }
    ASSERT_TRUE(reader.HasData());
    CXmlNode* node = reader.GetTopNode();
    int depth = 1;
    while (node->GetChildCount() == 1) {
        node = node->GetChildAt(0);
        ++depth;
    }
    EXPECT_EQ(depth, kMillion);
    EXPECT_EQ(node->GetValue(), "v");

    CHandle written;
    reader.GetTopNode()->Write(written, 0);
    const std::string expected = kDeclarationLine + Repeated("<a>\r\n", kMillion - 1) + "<a>v</a>\r\n" +
                                 Repeated("</a>\r\n", kMillion - 1);
    EXPECT_TRUE(Bytes(written) == expected);

    CXmlReader copy(reader);
    EXPECT_NE(copy.GetTopNode(), reader.GetTopNode());

    // Without end tags, and through the writer.
    reader.Parse((kDeclarationLine + Repeated("<a>", kMillion)).c_str());
    ASSERT_TRUE(reader.HasData());
    ScratchFolder folder;
    CXmlWriter writer;
    writer.SetFilePath(folder.File("deep.xml").c_str());
    for (int i = 0; i < kMillion; ++i)
        writer.EnterNode("a");
    writer.WriteValue("b", "v");
    for (int i = 0; i < kMillion; ++i)
        writer.LeaveNode();
    EXPECT_TRUE(ReadWholeFile(folder.File("deep.xml")) ==
                kDeclarationLine + Repeated("<a>\r\n", kMillion) + "<b>v</b>\r\n" + Repeated("</a>\r\n", kMillion));
}

TEST(XmlRobustness, HugeValuesAndKeysAreTakenWhole)
{
    const std::string value(32 * 1024 * 1024, 'x');
    CXmlReader reader;
    reader.Parse((kDeclarationLine + "<S><V>" + value + "</V><" + value + ">1</" + value + "></S>").c_str());
    reader.EnterNode("S");
    EXPECT_EQ(reader.ReadValue("V").GetLength(), static_cast<int>(value.size()));
    EXPECT_EQ(reader.ReadValue(value.c_str()), "1");
}

// Cut, damaged and random documents of every shape are the xml_document fuzz target's;
// these are longer than its inputs, or come through a file.
TEST(XmlRobustness, LongRunsOfMarkupAndRandomFilesAreSafe)
{
    for (const std::string& piece : { std::string(1, '\0'), std::string("<"), std::string("</>"), std::string("<a/") })
        EXPECT_EQ(CheckDamagedXml(kDeclarationLine + Repeated(piece, 100000)), "") << piece;

    // Random bytes through a file, where the end of the data ends the text.
    std::mt19937 random(20240611);
    ScratchFolder folder;
    const std::string path = folder.File("noise.xml");
    for (int round = 0; round < 5; ++round) {
        ASSERT_TRUE(WriteWholeFile(path, kDeclarationLine + "<S>" + RandomBytes(random, 64 * 1024)));
        CXmlReader reader;
        reader.SetFilePath(path.c_str());
        EXPECT_TRUE(reader.HasData());
    }
}
