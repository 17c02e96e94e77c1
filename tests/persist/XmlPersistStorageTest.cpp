#include "ScratchFolder.h"
#include "XmlTexts.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace {

// A settings document holding one element per name and text.
std::string Document(std::initializer_list<std::pair<const char*, const char*>> elements)
{
    std::string text = kDeclarationLine + "<Settings>\r\n";
    for (const auto& element : elements)
        text += std::string("<") + element.first + ">" + element.second + "</" + element.first + ">\r\n";
    return text + "</Settings>\r\n";
}

std::string Line(const std::string& key, const std::string& value)
{
    return "<" + key + ">" + value + "</" + key + ">\r\n";
}

template <class T>
T Loaded(CXmlPersistReader& reader, const char* name, T value = T())
{
    reader.Load(name, value);
    return value;
}

} // namespace

TEST(XmlPersistStorage, WritesEveryValueTypeInItsTextForm)
{
    ScratchFolder folder;
    const std::string path = folder.File("values.xml");
    {
        CXmlPersistStorage storage("not used", path.c_str());
        storage.EnterObject("Value Types");
        storage.Save("bool true", true);
        storage.Save("bool false", false);
        storage.Save("char", static_cast<char>(-5));
        storage.Save("char zero", static_cast<char>(0));
        storage.Save("uchar", static_cast<unsigned char>(200));
        storage.Save("short", static_cast<short>(-300));
        storage.Save("ushort", static_cast<unsigned short>(65535));
        storage.Save("long", -7l);
        storage.Save("long zero", 0l);
        storage.Save("ulong", 4294967295ul);
        storage.Save("ulong high", 2147483648ul);
        storage.Save("int64 one", static_cast<__int64>(1));
        storage.Save("int64 zero", static_cast<__int64>(0));
        storage.Save("int64 minus", static_cast<__int64>(-2));
        storage.Save("double", 1.5);
        storage.Save("double tiny", 0.0000001);
        storage.Save("double zero", 0.0);
        storage.Save("double nan", std::numeric_limits<double>::quiet_NaN());
        storage.Save("float", 0.25f);
        storage.Save("text", "a&b>c 'quoted'");
        storage.Save("text empty", "");
        storage.Save("text null", static_cast<const char*>(nullptr));
        storage.Save("text less", "x<y");
        unsigned char bytes[] = {0x01, 0x02, 0xFF};
        storage.Save("bytes", bytes, 3);
        storage.Save("bytes none", bytes, 0);
        CHandle handle;
        handle.Append("\xAB\xCD", 2);
        storage.Save("handle", handle);
        CHandle emptyHandle;
        storage.Save("handle empty", emptyHandle);
        GUID guid = {0x12345678, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};
        storage.Save("guid", guid);
        storage.SaveValue("value", 3);
        storage.SaveValue("value zero", 0);
        storage.SaveString("string empty", "");
        EXPECT_FALSE(UFileUtils::FileExist(path.c_str())) << "not while the outermost object is open";
        storage.LeaveObject();
        EXPECT_FALSE(storage.HasWriteFailed());
    }
    // Children in ascending byte order of their keys; blanks in names as underscores.
    EXPECT_EQ(ReadWholeFile(path), kDeclarationLine + "<Value_Types>\r\n" +
                                       Line("bool_true", "1") +
                                       Line("bytes", "0102FF") +
                                       Line("char", "-5") +
                                       Line("double", "1.500000") +
                                       Line("double_tiny", "0.000000") +
                                       Line("float", "0.250000") +
                                       Line("handle", "ABCD") +
                                       Line("int64_minus", "FEFFFFFFFFFFFFFF") +
                                       Line("int64_one", "0100000000000000") +
                                       Line("int64_zero", "0000000000000000") +
                                       Line("long", "-7") +
                                       Line("short", "-300") +
                                       Line("text", "a&b>c 'quoted'") +
                                       Line("text_less", "x&#60;y") +
                                       Line("uchar", "200") +
                                       Line("ulong", "-1") +
                                       Line("ulong_high", "-2147483648") +
                                       Line("ushort", "65535") +
                                       Line("value", "3") +
                                       "</Value_Types>\r\n");
}

// What the library writes loads back in the xml_persist fuzz target's round trips; these
// are texts it never writes.
TEST(XmlPersistReader, DecodesTextsOtherToolsWrite)
{
    CXmlPersistReader reader(Document({ { "uchar", "300" }, { "long", "-7" }, { "ulong_wide", "4294967295" },
                                        { "int64_minus", "feffffffffffffff" }, { "int64_15", "010000000000000" },
                                        { "int64_17", "01000000000000000" }, { "not_a_number", "abc" },
                                        { "leading_digits", " 42abc" } })
                                 .c_str());
    ASSERT_TRUE(reader.HasData());
    reader.EnterObject("Settings");
    EXPECT_EQ(Loaded<unsigned char>(reader, "uchar"), 300 % 256) << "narrowed to 8 bits";
    long pointed = 0;
    reader.Load("long", &pointed);
    reader.Load("long", static_cast<long*>(nullptr));
    EXPECT_EQ(pointed, -7);
    EXPECT_EQ(Loaded<unsigned long>(reader, "ulong wide"), 4294967295ul) << "as other tools write it";
    EXPECT_EQ(Loaded<__int64>(reader, "int64_minus"), -2) << "either case of hexadecimal digits";
    EXPECT_EQ(Loaded<__int64>(reader, "int64_15", 7), 0);
    EXPECT_EQ(Loaded<__int64>(reader, "int64_17", 7), 0);
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

// Texts, bytes and handles cut to the room given, odd digits, and the lengths reported are
// the xml_persist fuzz target's to check; what a missing value leaves is this test's.
TEST(XmlPersistReader, MissingValuesLeaveWhatTheBuffersHeld)
{
    const std::string document = Document({ { "text", "abcdef" }, { "bytes", "0102FF" }, { "escaped", "x&#60;y" } });
    CXmlPersistReader reader(document.c_str());
    reader.EnterObject("Settings");
    char sized[8];
    std::memset(sized, '#', sizeof sized);
    reader.Load("text", sized, 0);
    reader.Load("missing", sized, 8);
    reader.Load("missing", sized);
    EXPECT_EQ(std::string(sized, 8), "########") << "untouched";

    CHandle handle;
    reader.Load("bytes", handle);
    ASSERT_EQ(handle.GetSize(), 3u);
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
