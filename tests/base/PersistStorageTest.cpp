#include "Handle.h"
#include "PersistStorage.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

const GUID kGuid = {0x8BE58398, 0x96E2, 0x4DBA, {0x92, 0xA8, 0x75, 0x94, 0x5A, 0x1B, 0x65, 0x16}};

std::vector<unsigned char> ImageOf(CPersistStorage& storage)
{
    unsigned long size = 0;
    unsigned char* data = storage.GetData(size);
    return std::vector<unsigned char>(data, data + size);
}

template <typename T> T Loaded(CPersistStorage& storage, const char* name)
{
    T value{};
    storage.Load(name, value);
    return value;
}

std::string LoadedText(CPersistStorage& storage, const char* name)
{
    unsigned long length = 0;
    storage.LoadStringLength(name, length);
    std::vector<char> buffer(length + 1, 'x');
    storage.Load(name, buffer.data());
    return buffer.data();
}

} // namespace

TEST(PersistStorage, RoundTripsEveryOverload)
{
    const std::string longText(100000, 'L');
    unsigned char blob[1000];
    for (int i = 0; i < 1000; ++i)
        blob[i] = static_cast<unsigned char>(i * 7);
    CHandle handle;
    handle.Append("\0handle\xFF", 8);
    GUID guid = kGuid;

    CPersistStorage saver;
    CPersistStorage& out = saver; // through the interface, as objects use it
    out.EnterObject("Settings");
    out.Save("guid", guid);
    out.Save("handle", handle);
    out.Save("text", "some text");
    out.Save("empty", "");
    out.Save("null", static_cast<const char*>(nullptr));
    out.Save("long text", longText.c_str());
    out.Save("float", 1.25f);
    out.Save("double", 3.141592653589793);
    out.Save("negative zero", -0.0);
    out.Save("int64 min", static_cast<__int64>(LLONG_MIN));
    out.Save("long", -2147483647L - 1);
    out.Save("ulong", 4294967295UL);
    out.Save("short", static_cast<short>(-32768));
    out.Save("ushort", static_cast<unsigned short>(65535));
    out.Save("bool", true);
    out.Save("char", static_cast<char>(-1));
    out.Save("blob", blob, sizeof blob);
    out.Save("no bytes", blob, 0);
    out.Save("pointer", 77L);
    out.LeaveObject();

    std::vector<unsigned char> image = ImageOf(saver);
    CPersistStorage loader;
    loader.SetData(image.data(), static_cast<unsigned long>(image.size()));
    CPersistStorage& in = loader;
    in.EnterObject("Settings");
    EXPECT_TRUE(IsEqualGUID(Loaded<GUID>(in, "guid"), kGuid));
    CHandle loadedHandle;
    in.Load("handle", loadedHandle);
    ASSERT_EQ(loadedHandle.GetSize(), 8u);
    EXPECT_EQ(std::memcmp(loadedHandle.GetBuffer(), "\0handle\xFF", 8), 0);
    EXPECT_EQ(LoadedText(in, "text"), "some text");
    EXPECT_EQ(LoadedText(in, "empty"), "");
    EXPECT_EQ(LoadedText(in, "null"), "");
    EXPECT_EQ(LoadedText(in, "long text"), longText);
    EXPECT_EQ(Loaded<float>(in, "float"), 1.25f);
    EXPECT_EQ(Loaded<double>(in, "double"), 3.141592653589793);
    EXPECT_TRUE(std::signbit(Loaded<double>(in, "negative zero")));
    EXPECT_EQ(Loaded<__int64>(in, "int64 min"), LLONG_MIN);
    EXPECT_EQ(Loaded<long>(in, "long"), -2147483647L - 1);
    EXPECT_EQ(Loaded<unsigned long>(in, "ulong"), 4294967295UL);
    EXPECT_EQ(Loaded<short>(in, "short"), -32768);
    EXPECT_EQ(Loaded<unsigned short>(in, "ushort"), 65535);
    EXPECT_TRUE(Loaded<bool>(in, "bool"));
    EXPECT_EQ(Loaded<char>(in, "char"), -1);
    unsigned char loadedBlob[1000] = {};
    in.Load("blob", loadedBlob, sizeof loadedBlob);
    EXPECT_EQ(std::memcmp(loadedBlob, blob, sizeof blob), 0);
    unsigned char none[4] = {9, 9, 9, 9};
    in.Load("no bytes", none, 4);
    EXPECT_EQ(none[0], 9);
    long pointed = 0;
    in.Load("pointer", &pointed);
    EXPECT_EQ(pointed, 77);
}

TEST(PersistStorage, NumbersConvertBetweenKindsSizedTextsAreCutAndMissingValuesAreLeftAlone)
{
    CPersistStorage in;
    in.Save("ulong", 4294967295UL);
    in.Save("char", static_cast<char>(-1));
    in.Save("double", 2.75);
    in.Save("huge", -1e300);
    in.Save("nan", std::nan(""));
    in.Save("text", "abcdef");
    std::vector<unsigned char> image = ImageOf(in);
    in.SetData(image.data(), static_cast<unsigned long>(image.size())); // its own image
    EXPECT_EQ(Loaded<long>(in, "ulong"), -1);
    EXPECT_EQ(Loaded<unsigned char>(in, "char"), 255);
    EXPECT_EQ(Loaded<long>(in, "double"), 2);
    EXPECT_EQ(Loaded<__int64>(in, "huge"), LLONG_MIN) << "clamped to what 64 bits hold";
    EXPECT_EQ(Loaded<__int64>(in, "nan"), 0);
    char cut[4] = "zzz";
    in.Load("text", cut, 4);
    EXPECT_STREQ(cut, "abc");

    // Missing values load as the XML reader loads them.
    char text[8] = "keep";
    unsigned char bytes[2] = {1, 2};
    CHandle handle;
    handle.Append("x", 1);
    in.Load("t", text);
    in.Load("t", text, sizeof text);
    in.Load("bytes", bytes, 2);
    in.Load("h", handle);
    in.Load("p", static_cast<long*>(nullptr));
    EXPECT_EQ(Loaded<long>(in, "l"), 0);
    EXPECT_EQ(Loaded<double>(in, "d"), 0.0);
    EXPECT_TRUE(IsEqualGUID(Loaded<GUID>(in, "g"), GUID_NULL));
    EXPECT_STREQ(text, "keep");
    EXPECT_EQ(bytes[1], 2);
    EXPECT_EQ(handle.GetSize(), 0u);
    unsigned long length = 9;
    in.LoadStringLength("t", length);
    EXPECT_EQ(length, 0u);
}

TEST(PersistStorage, LoadsFindValuesByNameWithinTheirObject)
{
    CPersistStorage saver;
    saver.EnterObject("Settings");
    saver.Save("Count", 3L);
    saver.Save("Removed", 99L);
    saver.EnterObject("Window");
    saver.Save("Left", 10L);
    saver.Save("Count", 4L);
    saver.LeaveObject();
    saver.EnterObject("Empty");
    saver.LeaveObject();
    saver.Save("Title", "abc");
    saver.EnterObject("Empty");
    saver.Save("Left", 7L);
    saver.LeaveObject();
    saver.LeaveObject();

    std::vector<unsigned char> image = ImageOf(saver);
    CPersistStorage in;
    in.SetData(image.data(), static_cast<unsigned long>(image.size()));
    in.EnterObject("Settings");
    EXPECT_EQ(Loaded<long>(in, "Added"), 0) << "a value the image lacks is missing";
    EXPECT_EQ(Loaded<long>(in, "Count"), 3) << "...and the place is not lost";
    in.EnterObject("Window");
    EXPECT_EQ(Loaded<long>(in, "Left"), 10);
    in.LeaveObject(); // its Count is passed over
    in.EnterObject("Empty");
    EXPECT_EQ(Loaded<long>(in, "Left"), 0) << "an empty object is not mistaken for its later namesake";
    in.LeaveObject();
    EXPECT_EQ(LoadedText(in, "Title"), "abc") << "Removed and the nested Window were skipped";
    in.EnterObject("Empty");
    EXPECT_EQ(Loaded<long>(in, "Left"), 7);
    in.LeaveObject();
    EXPECT_EQ(Loaded<long>(in, "Count"), 0) << "the Count inside Window is not the Settings' one";
    in.LeaveObject();

    in.ResetLoad(false);
    EXPECT_EQ(Loaded<long>(in, "Count"), 0) << "ResetLoad(false) keeps the place (at the end)";
    in.ResetLoad(true);
    in.EnterObject("Settings");
    EXPECT_EQ(Loaded<long>(in, "Count"), 3);

    unsigned long size = 1;
    EXPECT_EQ(in.GetData(size), nullptr) << "a load pass leaves the saved image empty";
    EXPECT_EQ(size, 0u);
}
