#include "AllValues.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const std::string kDeclarationLine = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

std::string Document(const std::string& elements)
{
    return kDeclarationLine + "<Settings>\r\n" + elements + "</Settings>\r\n";
}

std::string Line(const std::string& key, const std::string& value)
{
    return "<" + key + ">" + value + "</" + key + ">\r\n";
}

bool LoadBool(CXmlPersistReader& reader, const char* name)
{
    bool value = !reader.HasData();
    reader.Load(name, value);
    return value;
}

} // namespace

TEST(XmlPersistReader, DecodesEveryValueTypeFromItsText)
{
    CXmlPersistReader reader(Document(Line("char", "-5") + Line("uchar", "300") + Line("short", "-300") +
                                      Line("ushort", "65535") + Line("long", "-7") + Line("ulong", "-1") +
                                      Line("ulong_wide", "4294967295") + Line("int64", "0100000000000000") +
                                      Line("int64_minus", "feffffffffffffff") + Line("int64_15", "010000000000000") +
                                      Line("int64_17", "01000000000000000") + Line("double", "1.500000") +
                                      Line("double_tiny", "0.000000") + Line("float", "0.25") +
                                      Line("not_a_number", "abc") + Line("leading_digits", " 42abc"))
                                 .c_str());
    ASSERT_TRUE(reader.HasData());
    reader.EnterObject("Settings");
    char c = 0;
    unsigned char uc = 0;
    short s = 0;
    unsigned short us = 0;
    long l = 0;
    unsigned long ul = 0;
    unsigned long wide = 0;
    long pointed = 0;
    reader.Load("char", c);
    reader.Load("uchar", uc);
    reader.Load("short", s);
    reader.Load("ushort", us);
    reader.Load("long", l);
    reader.Load("ulong", ul);
    reader.Load("ulong wide", wide);
    reader.Load("long", &pointed);
    reader.Load("long", static_cast<long*>(nullptr));
    EXPECT_EQ(c, -5);
    EXPECT_EQ(uc, 300 % 256) << "narrowed to 8 bits";
    EXPECT_EQ(s, -300);
    EXPECT_EQ(us, 65535);
    EXPECT_EQ(l, -7);
    EXPECT_EQ(pointed, -7);
    EXPECT_EQ(ul, 4294967295ul);
    EXPECT_EQ(wide, 4294967295ul) << "as other tools write the largest unsigned value";

    __int64 one = 0, minus = 0, short15 = 7, long17 = 7;
    reader.Load("int64", one);
    reader.Load("int64_minus", minus);
    reader.Load("int64_15", short15);
    reader.Load("int64_17", long17);
    EXPECT_EQ(one, 1);
    EXPECT_EQ(minus, -2) << "either case of hexadecimal digits";
    EXPECT_EQ(short15, 0);
    EXPECT_EQ(long17, 0);

    double d = 7, tiny = 7, text = 7;
    float f = 7;
    long digits = 0;
    reader.Load("double", d);
    reader.Load("double tiny", tiny);
    reader.Load("float", f);
    reader.Load("not a number", text);
    reader.Load("leading digits", digits);
    EXPECT_EQ(d, 1.5);
    EXPECT_EQ(tiny, 0.0);
    EXPECT_EQ(f, 0.25f);
    EXPECT_EQ(text, 0.0);
    EXPECT_EQ(digits, 42) << "as atoi reads it";
}

TEST(XmlPersistReader, ReadsBoolsFromWordsAndNumbers)
{
    CXmlPersistReader reader(Document(Line("a", "YES") + Line("b", "True") + Line("c", "2") + Line("d", "1") +
                                      Line("e", "No") + Line("f", "FALSE") + Line("g", "0") + Line("h", "abc") +
                                      Line("i", "-1") + Line("j", "4294967296"))
                                 .c_str());
    reader.EnterObject("Settings");
    for (const char* name : {"a", "b", "c", "d", "i", "j"})
        EXPECT_TRUE(LoadBool(reader, name)) << name;
    for (const char* name : {"e", "f", "g", "h", "missing"})
        EXPECT_FALSE(LoadBool(reader, name)) << name;
}

TEST(XmlPersistReader, LoadsTextsAndBytesWithinTheirBuffers)
{
    CXmlPersistReader reader(
        Document(Line("text", "abcdef") + Line("bytes", "0102FF") + Line("odd", "0A0") + Line("escaped", "x&#60;y")).c_str());
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

    unsigned char two[3] = {0xEE, 0xEE, 0xEE};
    reader.Load("bytes", two, 2);
    EXPECT_EQ(two[0], 0x01);
    EXPECT_EQ(two[1], 0x02);
    EXPECT_EQ(two[2], 0xEE) << "exactly 2 bytes";
    unsigned char more[5] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    reader.Load("bytes", more, 5);
    EXPECT_EQ(more[2], 0xFF);
    EXPECT_EQ(more[3], 0xEE);
    reader.Load("missing", more, 5);
    EXPECT_EQ(more[0], 0x01);

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
    CXmlPersistReader reader(Document(Line("Short", "abc") + Line("Long", "abcdefghijklmnop")).c_str());
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
    EXPECT_STREQ(buffer, "abcdefghijklmnop");
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
    for (const char* dropped : {"<Signed_16>-32768</Signed_16>\r\n", "<Title>Holiday clip & friends > 2 GB</Title>\r\n"}) {
        const size_t at = document.find(dropped);
        ASSERT_NE(at, std::string::npos) << dropped;
        document.erase(at, std::strlen(dropped));
    }
    document.insert(document.find("<Unsigned_16>"), Line("Added_Later", "x") + "<Added_Object>\r\n" +
                                                        Line("Flag", "0") + "</Added_Object>\r\n");
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

TEST(XmlPersistReader, ReadsADocumentAnotherToolWroteInThisSubset)
{
    // As an XML library with indentation writes it: LF line ends, blanks between the
    // elements, another declaration, any element order, empty elements in short form.
    const char* const written =
        "<?xml version='1.0' encoding='utf-8'?>\n"
        "<Converter>\n"
        "  <Title>Holiday clip</Title>\n"
        "  <Output_Folder>C:\\Media Files\\</Output_Folder>\n"
        "  <Unsigned_32>4294967295</Unsigned_32>\n"
        "  <Flag>true</Flag>\n"
        "  <Last_Entry>\n"
        "    <value>High quality</value>\n"
        "    <name>Preset</name>\n"
        "  </Last_Entry>\n"
        "  <Signed_8/>\n"
        "  <Double>2.5</Double>\n"
        "  <Block_Size>2</Block_Size>\n"
        "  <Block>00ff</Block>\n"
        "</Converter>\n";
    CAllValues loaded;
    CXmlPersistReader reader(written);
    loaded.Load("Settings", reader);

    CAllValues expected;
    expected.mTitle = "Holiday clip";
    expected.mFolder = "C:\\Media Files\\";
    expected.mUnsigned32 = 4294967295ul;
    expected.mFlag = true;
    expected.mDouble = 2.5;
    expected.mBlock = {0x00, 0xFF};
    expected.mEntry.SetName("Preset");
    expected.mEntry.SetValue("High quality");
    EXPECT_EQ(loaded.Describe(), expected.Describe());
}

TEST(XmlPersistReader, WithoutADocumentEveryValueLoadsAsMissing)
{
    ScratchFolder folder;
    ASSERT_TRUE(WriteWholeFile(folder.File("not xml.xml"), "Title=abc\r\n"));
    for (const std::string& path : {folder.File("missing.xml"), folder.File("not xml.xml"), folder.Path()}) {
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
        long count = 0;
        reader.Load("Count", count);
        EXPECT_EQ(count, 3);
        // Entering a missing object makes all of its values missing.
        reader.EnterObject("Missing Object");
        reader.Load("Count", count);
        EXPECT_EQ(count, 0);
        reader.LeaveObject();
        reader.Load("Count", count);
        EXPECT_EQ(count, 3);
    }
    EXPECT_EQ(top.FindChild("Count", false)->GetValue(), "3") << "the caller keeps the tree";

    CXmlReader* taken = new CXmlReader;
    taken->Parse(Document(Line("Count", "4") + Line("Count", "5")).c_str());
    CXmlPersistReader reader(taken);
    reader.EnterObject("Settings");
    long count = 0;
    reader.Load("Count", count);
    EXPECT_EQ(count, 4) << "of two equal elements, the first";
}
