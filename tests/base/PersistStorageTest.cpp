#include "Handle.h"
#include "PersistStorage.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
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

// Numbers, texts, bytes and handles of every kind go through the round trips of the
// persist_image fuzz target; these are the values it never saves.
TEST(PersistStorage, RoundTripsGuidsNullAndLongTextsSignedZerosAndPointers)
{
    const std::string longText(100000, 'L');
    GUID guid = kGuid;
    unsigned char blob[4] = {1, 2, 3, 4};

    CPersistStorage saver;
    CPersistStorage& out = saver; // through the interface, as objects use it
    out.EnterObject("Settings");
    out.Save("guid", guid);
    out.Save("null", static_cast<const char*>(nullptr));
    out.Save("long text", longText.c_str());
    out.Save("negative zero", -0.0);
    out.Save("no bytes", blob, 0);
    out.Save("pointer", 77L);
    out.LeaveObject();

    std::vector<unsigned char> image = ImageOf(saver);
    CPersistStorage loader;
    loader.SetData(image.data(), static_cast<unsigned long>(image.size()));
    CPersistStorage& in = loader;
    in.EnterObject("Settings");
    EXPECT_TRUE(IsEqualGUID(Loaded<GUID>(in, "guid"), kGuid));
    EXPECT_EQ(LoadedText(in, "null"), "");
    EXPECT_EQ(LoadedText(in, "long text"), longText);
    EXPECT_TRUE(std::signbit(Loaded<double>(in, "negative zero")));
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
