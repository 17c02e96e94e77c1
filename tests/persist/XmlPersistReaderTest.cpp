#include "AllValues.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const std::string kDeclarationLine = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

// A settings document holding one element per name and text.
std::string Document(std::initializer_list<std::pair<const char*, const char*>> elements)
{
    std::string text = kDeclarationLine + "<Settings>\r\n";
    for (const auto& element : elements)
        text += std::string("<") + element.first + ">" + element.second + "</" + element.first + ">\r\n";
    return text + "</Settings>\r\n";
}

template <class T>
T Loaded(CXmlPersistReader& reader, const char* name, T value = T())
{
    reader.Load(name, value);
    return value;
}

} // namespace

TEST(XmlPersistReader, DecodesEveryValueTypeFromItsText)
{
    CXmlPersistReader reader(Document({ { "char", "-5" }, { "uchar", "300" }, { "short", "-300" },
                                        { "ushort", "65535" }, { "long", "-7" }, { "ulong", "-1" },
                                        { "ulong_wide", "4294967295" }, { "int64", "0100000000000000" },
                                        { "int64_minus", "feffffffffffffff" }, { "int64_15", "010000000000000" },
                                        { "int64_17", "01000000000000000" }, { "double", "1.500000" },
                                        { "double_tiny", "0.000000" }, { "float", "0.25" }, { "not_a_number", "abc" },
                                        { "leading_digits", " 42abc" } })
                                 .c_str());
    ASSERT_TRUE(reader.HasData());
    reader.EnterObject("Settings");
    EXPECT_EQ(Loaded<char>(reader, "char"), -5);
    EXPECT_EQ(Loaded<unsigned char>(reader, "uchar"), 300 % 256) << "narrowed to 8 bits";
    EXPECT_EQ(Loaded<short>(reader, "short"), -300);
    EXPECT_EQ(Loaded<unsigned short>(reader, "ushort"), 65535);
    EXPECT_EQ(Loaded<long>(reader, "long"), -7);
    long pointed = 0;
    reader.Load("long", &pointed);
    reader.Load("long", static_cast<long*>(nullptr));
    EXPECT_EQ(pointed, -7);
    EXPECT_EQ(Loaded<unsigned long>(reader, "ulong"), 4294967295ul);
    EXPECT_EQ(Loaded<unsigned long>(reader, "ulong wide"), 4294967295ul) << "as other tools write it";
    EXPECT_EQ(Loaded<__int64>(reader, "int64"), 1);
    EXPECT_EQ(Loaded<__int64>(reader, "int64_minus"), -2) << "either case of hexadecimal digits";
    EXPECT_EQ(Loaded<__int64>(reader, "int64_15", 7), 0);
    EXPECT_EQ(Loaded<__int64>(reader, "int64_17", 7), 0);
    EXPECT_EQ(Loaded<double>(reader, "double"), 1.5);
    EXPECT_EQ(Loaded<double>(reader, "double tiny", 7), 0.0);
    EXPECT_EQ(Loaded<float>(reader, "float"), 0.25f);
    EXPECT_EQ(Loaded<double>(reader, "not a number", 7), 0.0);
    EXPECT_EQ(Loaded<long>(reader, "leading digits"), 42) << "as atoi reads it";

    CXmlPersistReader bools(Document({ { "a", "YES" }, { "b", "True" }, { "c", "2" }, { "d", "1" }, { "e", "No" },
                                       { "f", "FALSE" }, { "g", "0" }, { "h", "abc" }, { "i", "-1" },
                                       { "j", "4294967296" } })
                                .c_str());
    bools.EnterObject("Settings");
    for (const char* name : { "a", "b", "c", "d", "i", "j" })
        EXPECT_TRUE(Loaded<bool>(bools, name, false)) << name;
    for (const char* name : { "e", "f", "g", "h", "missing" })
        EXPECT_FALSE(Loaded<bool>(bools, name, true)) << name;
}

TEST(XmlPersistReader, LoadsTextsAndBytesWithinTheirBuffers)
{
    CXmlPersistReader reader(Document({ { "text", "abcdef" }, { "bytes", "0102FF" }, { "odd", "0A0" },
                                        { "escaped", "x&#60;y" } })
                                 .c_str());
    reader.EnterObject("Settings");

    char sized[8];
    std::memset(sized, '#', sizeof sized);
    reader.Load("text", sized, 4);
    EXPECT_EQ(std::string(sized, 5), std::string("abc\0#", 5));
    reader.Load("text", sized, 7);
    EXPECT_STREQ(sized, "abcdef");
    std::memset(sized, '#', sizeof sized);
    reader.Load("text", sized, 0);
    reader.Load("missing", sized, 8);
    reader.Load("missing", sized);
    EXPECT_EQ(std::string(sized, 8), "########") << "untouched";

    unsigned char bytes[5] = { 0xEE, 0xEE, 0xEE, 0xEE, 0xEE };
    reader.Load("bytes", bytes, 2);
    EXPECT_EQ(bytes[1], 0x02);
    EXPECT_EQ(bytes[2], 0xEE) << "exactly 2 bytes";
    reader.Load("bytes", bytes, 5);
    EXPECT_EQ(bytes[2], 0xFF);
    EXPECT_EQ(bytes[3], 0xEE);
    reader.Load("missing", bytes, 5);
    EXPECT_EQ(bytes[0], 0x01);

    CHandle handle;
    reader.Load("bytes", handle);
    ASSERT_EQ(handle.GetSize(), 3u);
    EXPECT_EQ(handle.GetBuffer()[2], 0xFF);
    reader.Load("odd", handle);
    ASSERT_EQ(handle.GetSize(), 1u) << "an odd last digit is ignored";
    EXPECT_EQ(handle.GetBuffer()[0], 0x0A);
    reader.Load("missing", handle);
    EXPECT_EQ(handle.GetSize(), 0u);

    CString text;
    EXPECT_TRUE(reader.LoadStringA("escaped", text));
    EXPECT_EQ(text, "x<y");
    EXPECT_FALSE(reader.LoadStringA("missing", text));
    EXPECT_EQ(text, "x<y");
    unsigned long number = 5;
    EXPECT_FALSE(reader.LoadValue("missing", number));
    EXPECT_EQ(number, 5u);
    unsigned long length = 9;
    reader.LoadStringLength("text", length);
    EXPECT_EQ(length, 7u) << "room for the terminator";
    reader.LoadStringLength("missing", length);
    EXPECT_EQ(length, 0u);
}

TEST(XmlPersistReader, ATextLoadWithoutSizeStaysWithinTheLengthReportedBeforeIt)
{
    CXmlPersistReader reader(Document({ { "Short", "abc" }, { "Long", "abcdefghijklmnop" } }).c_str());
    reader.EnterObject("Settings");
    char buffer[32];

    unsigned long length = 0;
    std::memset(buffer, '#', sizeof buffer);
    reader.LoadStringLength("Short", length);
    ASSERT_EQ(length, 4u);
    reader.Load("Long", buffer);
    EXPECT_EQ(std::string(buffer, 6), std::string("abc\0##", 6)) << "cut to the length reported";

    std::memset(buffer, '#', sizeof buffer);
    reader.LoadStringLength("Missing", length);
    ASSERT_EQ(length, 0u);
    reader.Load("Long", buffer);
    EXPECT_EQ(std::string(buffer, 4), "####") << "nothing fits in no room";

    // The limit holds for the one load after the length; later loads take the whole text.
    reader.Load("Long", buffer);
    EXPECT_STREQ(buffer, "abcdefghijklmnop");
    reader.LoadStringLength("Long", length);
    std::memset(buffer, '#', sizeof buffer);
    reader.Load("Long", buffer);
    EXPECT_STREQ(buffer, "abcdefghijklmnop") << "the length reported holds the whole text";
}

TEST(XmlPersistReader, MissingAndExtraElementsLoadAsDefaultsAndAreIgnored)
{
    ScratchFolder folder;
    const std::string path = folder.File("values.xml");
    CAllValues saved = CAllValues::Extremes(3);
    {
        CXmlPersistStorage storage("Settings", path.c_str());
        saved.Save("Settings", storage);
    }
    // Another version of the program wrote fewer properties and some unknown ones.
    std::string document = ReadWholeFile(path);
    for (const char* dropped : { "<Signed_16>-32768</Signed_16>\r\n", "<Title>Holiday clip & friends > 2 GB</Title>\r\n" }) {
        const size_t at = document.find(dropped);
        ASSERT_NE(at, std::string::npos) << dropped;
        document.erase(at, std::strlen(dropped));
    }
    document.insert(document.find("<Unsigned_16>"),
                    "<Added_Later>x</Added_Later>\r\n<Added_Object>\r\n<Flag>0</Flag>\r\n</Added_Object>\r\n");
    ASSERT_TRUE(WriteWholeFile(path, document));

    CAllValues loaded;
    loaded.mSigned16 = 99;
    loaded.mTitle = "kept";
    CXmlPersistReader reader("Settings", path.c_str());
    loaded.Load("Settings", reader);
    CAllValues expected = saved;
    expected.mSigned16 = 0;
    expected.mTitle = "kept";
    EXPECT_EQ(loaded.Describe(), expected.Describe());
}

TEST(XmlPersistReader, WithoutADocumentEveryValueLoadsAsMissing)
{
    ScratchFolder folder;
    ASSERT_TRUE(WriteWholeFile(folder.File("not xml.xml"), "Title=abc\r\n"));
    for (const std::string& path : { folder.File("missing.xml"), folder.File("not xml.xml"), folder.Path() }) {
        CXmlPersistReader reader("Settings", path.c_str());
        EXPECT_FALSE(reader.HasData()) << path;
        CAllValues loaded;
        loaded.mTitle = "kept";
        loaded.mSigned32 = 5;
        loaded.Load("Settings", reader);
        CAllValues expected;
        expected.mTitle = "kept";
        EXPECT_EQ(loaded.Describe(), expected.Describe()) << path;
    }
    CXmlPersistReader noText(static_cast<const char*>(nullptr));
    EXPECT_FALSE(noText.HasData());
    unsigned long size = 77;
    EXPECT_EQ(noText.GetData(size), nullptr);
    EXPECT_EQ(size, 77u);
}

TEST(XmlPersistReader, ReadsATreeItIsGivenOrAReaderItTakesOver)
{
    CXmlNode top;
    top.SetKey("Answer");
    top.AddValue("Count", "3");
    {
        CXmlPersistReader reader(&top);
        EXPECT_TRUE(reader.HasData());
        reader.EnterObject("whatever the name");
        EXPECT_EQ(Loaded<long>(reader, "Count"), 3);
        // Entering a missing object makes all of its values missing.
        reader.EnterObject("Missing Object");
        EXPECT_EQ(Loaded<long>(reader, "Count", 5), 0);
        reader.LeaveObject();
        EXPECT_EQ(Loaded<long>(reader, "Count"), 3);
    }
    EXPECT_EQ(top.FindChild("Count", false)->GetValue(), "3") << "the caller keeps the tree";

    CXmlReader* taken = new CXmlReader;
    taken->Parse(Document({ { "Count", "4" }, { "Count", "5" } }).c_str());
    CXmlPersistReader reader(taken);
    reader.EnterObject("Settings");
    EXPECT_EQ(Loaded<long>(reader, "Count"), 4) << "of two equal elements, the first";
}
