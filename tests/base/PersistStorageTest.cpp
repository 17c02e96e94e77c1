#include "Handle.h"
#include "PersistStorage.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

const GUID kGuid = {0x8BE58398, 0x96E2, 0x4DBA, {0x92, 0xA8, 0x75, 0x94, 0x5A, 0x1B, 0x65, 0x16}};

// Hands the saved image of one storage to a fresh one, as an image file would.
void CopyImage(CPersistStorage& from, CPersistStorage& to)
{
    unsigned long size = 0;
    unsigned char* data = from.GetData(size);
    std::vector<unsigned char> copy(data, data + size);
    to.SetData(copy.data(), size);
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
    out.Save("tiny", 1e-300);
    out.Save("max", DBL_MAX);
    out.Save("negative zero", -0.0);
    out.Save("int64 max", static_cast<__int64>(LLONG_MAX));
    out.Save("int64 min", static_cast<__int64>(LLONG_MIN));
    out.Save("long", -2147483647L - 1);
    out.Save("ulong", 4294967295UL);
    out.Save("short", static_cast<short>(-32768));
    out.Save("ushort", static_cast<unsigned short>(65535));
    out.Save("bool", true);
    out.Save("char", static_cast<char>(-1));
    out.Save("uchar", static_cast<unsigned char>(255));
    out.Save("blob", blob, sizeof blob);
    out.Save("no bytes", blob, 0);
    out.Save("pointer", 77L);
    out.LeaveObject();

    CPersistStorage loader;
    CopyImage(saver, loader);
    CPersistStorage& in = loader;
    in.EnterObject("Settings");
    GUID loadedGuid = GUID_NULL;
    in.Load("guid", loadedGuid);
    EXPECT_TRUE(IsEqualGUID(loadedGuid, kGuid));
    CHandle loadedHandle;
    in.Load("handle", loadedHandle);
    ASSERT_EQ(loadedHandle.GetSize(), 8u);
    EXPECT_EQ(std::memcmp(loadedHandle.GetBuffer(), "\0handle\xFF", 8), 0);

    unsigned long length = 0;
    in.LoadStringLength("text", length);
    EXPECT_EQ(length, 9u);
    char text[32] = "untouched";
    in.Load("text", text);
    EXPECT_STREQ(text, "some text");
    char empty[8] = "x";
    in.Load("empty", empty);
    EXPECT_STREQ(empty, "");
    char null[8] = "x";
    in.Load("null", null);
    EXPECT_STREQ(null, "");
    in.LoadStringLength("long text", length);
    ASSERT_EQ(length, longText.size());
    std::vector<char> big(length + 1, 'x');
    in.Load("long text", big.data());
    EXPECT_EQ(std::string(big.data()), longText);

    float f = 0;
    in.Load("float", f);
    EXPECT_EQ(f, 1.25f);
    double d = 0;
    in.Load("double", d);
    EXPECT_EQ(d, 3.141592653589793);
    in.Load("tiny", d);
    EXPECT_EQ(d, 1e-300);
    in.Load("max", d);
    EXPECT_EQ(d, DBL_MAX);
    in.Load("negative zero", d);
    EXPECT_TRUE(d == 0 && std::signbit(d));

    __int64 i64 = 0;
    in.Load("int64 max", i64);
    EXPECT_EQ(i64, LLONG_MAX);
    in.Load("int64 min", i64);
    EXPECT_EQ(i64, LLONG_MIN);
    long l = 0;
    in.Load("long", l);
    EXPECT_EQ(l, -2147483647L - 1);
    unsigned long ul = 0;
    in.Load("ulong", ul);
    EXPECT_EQ(ul, 4294967295UL);
    short s = 0;
    in.Load("short", s);
    EXPECT_EQ(s, -32768);
    unsigned short us = 0;
    in.Load("ushort", us);
    EXPECT_EQ(us, 65535);
    bool b = false;
    in.Load("bool", b);
    EXPECT_TRUE(b);
    char c = 0;
    in.Load("char", c);
    EXPECT_EQ(c, -1);
    unsigned char uc = 0;
    in.Load("uchar", uc);
    EXPECT_EQ(uc, 255);
    unsigned char loadedBlob[1000] = {};
    in.Load("blob", loadedBlob, sizeof loadedBlob);
    EXPECT_EQ(std::memcmp(loadedBlob, blob, sizeof blob), 0);
    unsigned char none[4] = {9, 9, 9, 9};
    in.Load("no bytes", none, 4);
    EXPECT_EQ(none[0], 9);
    long pointed = 0;
    in.Load("pointer", &pointed);
    EXPECT_EQ(pointed, 77);
    in.LeaveObject();
}

TEST(PersistStorage, NumbersConvertBetweenKindsAndSizedTextsAreCut)
{
    CPersistStorage saver;
    saver.Save("ulong", 4294967295UL);
    saver.Save("char", static_cast<char>(-1));
    saver.Save("double", 2.75);
    saver.Save("text", "abcdef");
    CPersistStorage in;
    CopyImage(saver, in);
    long l = 0;
    in.Load("ulong", l);
    EXPECT_EQ(l, -1);
    unsigned char uc = 0;
    in.Load("char", uc);
    EXPECT_EQ(uc, 255);
    long fromDouble = 0;
    in.Load("double", fromDouble);
    EXPECT_EQ(fromDouble, 2);
    char cut[4] = "zzz";
    in.Load("text", cut, 4);
    EXPECT_STREQ(cut, "abc");
    in.ResetLoad(true);
    char untouched[2] = "q";
    in.Load("text", untouched, 0);
    EXPECT_STREQ(untouched, "q");
}

TEST(PersistStorage, MissingValuesLoadLikeTheXmlReaderDoes)
{
    CPersistStorage in;
    long l = 5;
    double d = 5;
    bool b = true;
    GUID guid = kGuid;
    char text[8] = "keep";
    unsigned char bytes[2] = {1, 2};
    CHandle handle;
    handle.Append("x", 1);
    unsigned long length = 9;
    in.Load("l", l);
    in.Load("d", d);
    in.Load("b", b);
    in.Load("g", guid);
    in.Load("t", text);
    in.Load("t", text, sizeof text);
    in.Load("bytes", bytes, 2);
    in.Load("h", handle);
    in.LoadStringLength("t", length);
    in.Load("p", static_cast<long*>(nullptr));
    EXPECT_EQ(l, 0);
    EXPECT_EQ(d, 0.0);
    EXPECT_FALSE(b);
    EXPECT_TRUE(IsEqualGUID(guid, GUID_NULL));
    EXPECT_STREQ(text, "keep");
    EXPECT_EQ(bytes[1], 2);
    EXPECT_EQ(handle.GetSize(), 0u);
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
    saver.LeaveObject();

    CPersistStorage in;
    CopyImage(saver, in);
    in.EnterObject("Settings");
    long value = -1;
    in.Load("Added", value);
    EXPECT_EQ(value, 0) << "a value the image lacks is missing";
    in.Load("Count", value);
    EXPECT_EQ(value, 3) << "...and the place is not lost";
    in.EnterObject("Empty");
    in.Load("Left", value);
    EXPECT_EQ(value, 0) << "an object without values was not written; its values are missing";
    in.LeaveObject();
    in.EnterObject("Window");
    in.Load("Left", value);
    EXPECT_EQ(value, 10);
    in.LeaveObject(); // its Count is passed over
    char title[8] = "";
    in.Load("Title", title);
    EXPECT_STREQ(title, "abc") << "Removed and the nested Window were skipped";
    in.Load("Count", value);
    EXPECT_EQ(value, 0) << "the Count inside Window is not the Settings' one";
    in.LeaveObject();

    in.ResetLoad(false);
    in.Load("Count", value);
    EXPECT_EQ(value, 0) << "ResetLoad(false) keeps the place (at the end)";
    in.ResetLoad(true);
    in.EnterObject("Settings");
    in.Load("Count", value);
    EXPECT_EQ(value, 3);
}

TEST(PersistStorage, ALoadPassWritesNothingAndSavedImagesCanBeReloaded)
{
    CPersistStorage storage;
    storage.EnterObject("Settings");
    long value = 0;
    storage.Load("Count", value);
    storage.LeaveObject();
    unsigned long size = 123;
    EXPECT_EQ(storage.GetData(size), nullptr);
    EXPECT_EQ(size, 0u);

    storage.EnterObject("Settings");
    storage.Save("Count", 8L);
    storage.LeaveObject();
    unsigned char* image = storage.GetData(size);
    ASSERT_NE(image, nullptr);
    storage.SetData(image, size);
    storage.EnterObject("Settings");
    storage.Load("Count", value);
    EXPECT_EQ(value, 8);

    CPersistStorage copy(storage);
    unsigned long copySize = 0;
    EXPECT_EQ(copy.GetData(copySize)[0], image[0]);
    EXPECT_EQ(copySize, size);
}

namespace {

// Counts the loads of lengths, as a positional storage would take a position for each.
class CountingStorage : public CPersistStorage {
public:
    using CPersistStorage::Load;
    int lengthLoads = 0;
    void Load(const char*, unsigned long& value) override
    {
        ++lengthLoads;
        value = 42;
    }
};

} // namespace

TEST(PersistStorage, LoadStringLengthReadsThroughTheVirtualNumberLoad)
{
    CountingStorage storage;
    unsigned long length = 0;
    static_cast<CPersistStorage&>(storage).LoadStringLength("name", length);
    EXPECT_EQ(length, 42u);
    EXPECT_EQ(storage.lengthLoads, 1);
}

TEST(PersistStorage, BrokenImagesLoadAsMissingWithoutOverrunningBuffers)
{
    CPersistStorage saver;
    saver.EnterObject("Settings");
    saver.Save("Title", "a title of some length");
    saver.Save("Count", 5L);
    saver.EnterObject("Inner");
    saver.Save("Blob", reinterpret_cast<unsigned char*>(const_cast<char*>("0123456789")), 10);
    saver.LeaveObject();
    saver.LeaveObject();
    unsigned long size = 0;
    const unsigned char* image = saver.GetData(size);
    std::vector<unsigned char> good(image, image + size);

    // Every cut of the image, and every single corrupted byte, must load without harm.
    auto loadAll = [](const std::vector<unsigned char>& bytes) {
        CPersistStorage in;
        in.SetData(bytes.data(), static_cast<unsigned long>(bytes.size()));
        in.EnterObject("Settings");
        unsigned long length = 0;
        in.LoadStringLength("Title", length);
        std::vector<char> title(std::min(length, 1000ul) + 1 + 16, '#');
        if (length <= 1000) {
            in.Load("Title", title.data());
            for (size_t i = length + 1; i < title.size(); ++i)
                EXPECT_EQ(title[i], '#') << "written past the length it reported";
        }
        long count = 0;
        in.Load("Count", count);
        in.EnterObject("Inner");
        unsigned char blob[10];
        in.Load("Blob", blob, sizeof blob);
        in.LeaveObject();
        in.LeaveObject();
    };
    for (size_t cut = 0; cut < good.size(); ++cut)
        loadAll(std::vector<unsigned char>(good.begin(), good.begin() + cut));
    for (size_t at = 0; at < good.size(); ++at) {
        for (unsigned char bad : {0x00, 0x07, 0x7F, 0xFF}) {
            std::vector<unsigned char> broken = good;
            broken[at] = bad;
            loadAll(broken);
        }
    }

    // A text longer than the length saved before it (a tampered image) is cut to the length.
    std::vector<unsigned char> tampered = good;
    for (size_t at = 0; at + 4 < tampered.size(); ++at) {
        if (std::memcmp(&tampered[at], "Title", 5) == 0) {
            tampered[at + 5] = 3; // the length record's value follows its name
            break;
        }
    }
    CPersistStorage in;
    in.SetData(tampered.data(), static_cast<unsigned long>(tampered.size()));
    in.EnterObject("Settings");
    unsigned long length = 0;
    in.LoadStringLength("Title", length);
    EXPECT_EQ(length, 3u);
    char small[4 + 8];
    std::memset(small, '#', sizeof small);
    in.Load("Title", small);
    EXPECT_STREQ(small, "a t");
    EXPECT_EQ(small[4], '#');

    CPersistStorage unsigned_;
    unsigned_.SetData(reinterpret_cast<const unsigned char*>("not an image at all"), 19);
    long count = 7;
    unsigned_.Load("Count", count);
    EXPECT_EQ(count, 0);
    unsigned_.SetData(nullptr, 100);
    unsigned_.Load("Count", count);
}
