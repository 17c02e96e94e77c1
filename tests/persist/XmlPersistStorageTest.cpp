#include "tnwmfcut.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

const std::string kDeclarationLine = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

std::string Line(const std::string& key, const std::string& value)
{
    return "<" + key + ">" + value + "</" + key + ">\r\n";
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
