#include "AllValues.h"
#include "SettingsKey.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {

// One stored value as the registry holds it: "#<number>" for a number, the text for a
// text, "(none)" when the value is missing.
std::string Stored(const SettingsKey& key, const char* name)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.Path().c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return "(none)";
    char data[4096] = {};
    DWORD size = sizeof data - 1;
    DWORD type = REG_NONE;
    std::string stored = "(none)";
    if (RegQueryValueExA(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS) {
        DWORD number = 0;
        std::memcpy(&number, data, sizeof number);
        stored = type == REG_DWORD ? "#" + std::to_string(number) : type == REG_SZ ? std::string(data) : "(other)";
    }
    RegCloseKey(handle);
    return stored;
}

std::string IniValue(const std::string& path, const std::string& section, const char* name)
{
    char value[1024];
    GetPrivateProfileStringA(section.c_str(), name, "(none)", value, sizeof value, path.c_str());
    return value;
}

} // namespace

TEST(RegistryPersistStorage, StoresEachValueAtItsPositionWithItsType)
{
    SettingsKey key;
    {
        CRegistryPersistStorage storage(key.Name().c_str(), nullptr);
        storage.Save("names are ignored", 7l);
        storage.Save("", "abc");
        storage.Save(nullptr, true);
        EXPECT_FALSE(storage.HasData()) << "not before the storage is done";
        storage.Save("x", static_cast<char>(-1));
        storage.Save("x", static_cast<unsigned char>(255));
        storage.Save("x", static_cast<short>(-2));
        storage.Save("x", static_cast<unsigned short>(65535));
        storage.Save("x", 4294967295ul);
        storage.Save("x", 1.5);
        storage.Save("x", 0.25f);
        storage.Save("x", false);
        storage.Save("x", static_cast<const char*>(nullptr));
        storage.Save("x", static_cast<__int64>(5));
        CHandle handle;
        handle.Append("ab", 2);
        storage.Save("x", handle);
        GUID guid = {};
        storage.Save("x", guid);
        storage.EnterObject("x");
        storage.LeaveObject();
        EXPECT_EQ(storage.GetKey(), "14") << "64-bit values, handles, GUIDs and objects take no position";
    }
    const char* expected[] = { "#7",          "#3",          "abc", "#1",       "#4294967295", "#255", "#4294967294",
                               "#65535",      "#4294967295", "1.500000", "0.250000", "#0",  "#0",   "",
                               "(none)" };
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(Stored(key, std::to_string(i).c_str()), expected[i]) << i;
    EXPECT_EQ(Stored(key, "Has Data"), "#1");
    EXPECT_TRUE(CRegistryPersistStorage(key.Name().c_str(), nullptr).HasData());
}

TEST(RegistryPersistStorage, StoresByteBlocksInChunksOf255BytesAndLoadsInTheSameOrder)
{
    SettingsKey key;
    const std::vector<unsigned char> bytes = CountingBytes(510);
    {
        CRegistryPersistStorage storage(key.Name().c_str(), nullptr);
        storage.Save("x", const_cast<unsigned char*>(bytes.data()), 300);
        storage.Save("x", const_cast<unsigned char*>(bytes.data()), 0);
        EXPECT_EQ(storage.GetKey(), "2") << "no position for no bytes";
        storage.Save("x", const_cast<unsigned char*>(bytes.data()), 510);
        storage.Save("x", -2.5);
    }
    const std::string first = Stored(key, "0");
    ASSERT_EQ(first.size(), 510u);
    EXPECT_EQ(first.substr(0, 8), "00010203");
    EXPECT_EQ(first.substr(502), "FBFCFDFE");
    EXPECT_EQ(Stored(key, "1").substr(0, 4), "FF00") << "the second chunk goes on at byte 255";
    EXPECT_EQ(Stored(key, "1").size(), 90u);
    EXPECT_EQ(Stored(key, "3").size(), 510u);

    CRegistryPersistStorage storage(key.Name().c_str(), nullptr);
    std::vector<unsigned char> loaded(300, 0xEE);
    storage.Load("x", loaded.data(), 300);
    EXPECT_EQ(loaded, std::vector<unsigned char>(bytes.begin(), bytes.begin() + 300));
    // A buffer shorter than what was saved gets its length.
    std::vector<unsigned char> shorter(101, 0xEE);
    storage.Load("x", shorter.data(), 100);
    EXPECT_EQ(std::vector<unsigned char>(shorter.begin(), shorter.begin() + 100),
              std::vector<unsigned char>(bytes.begin(), bytes.begin() + 100));
    EXPECT_EQ(shorter[100], 0xEE);
    EXPECT_EQ(storage.GetKey(), "3");
    storage.ResetLoad(false);
    EXPECT_EQ(storage.GetKey(), "3");
    storage.ResetLoad(true);
    for (int i = 0; i < 4; ++i)
        storage.LoadValue();
    double d = 0;
    storage.Load("x", d);
    EXPECT_EQ(d, -2.5);

    // Beyond what was saved: numbers 0, texts empty, a byte block takes one position and
    // copies nothing.
    long number = 9;
    storage.Load("x", number);
    EXPECT_EQ(number, 0);
    CString text = "before";
    UPersistUtils::Load(storage, "x", text);
    EXPECT_EQ(text, "");
    shorter[0] = 0xEE;
    storage.Load("x", shorter.data(), 2);
    EXPECT_EQ(shorter[0], 0xEE);
    EXPECT_EQ(storage.GetKey(), "9");
    unsigned long size = 5;
    EXPECT_EQ(storage.GetData(size), nullptr);
    EXPECT_EQ(size, 5u);
}

TEST(RegistryPersistStorage, WithAnIniFileKeepsTheSameLayoutThereAndHasDataOnlyOnceAValueWentThroughTheKey)
{
    SettingsKey key;
    ScratchFolder folder;
    const std::string ini = folder.File("settings.ini");
    {
        CRegistryPersistStorage storage(key.Name().c_str(), ini.c_str());
        storage.Save("x", 7l);
        storage.Save("x", "abc");
        storage.Save("x", static_cast<short>(-2));
        unsigned char bytes[] = { 1, 2, 255 };
        storage.Save("x", bytes, 3);
        CRegistryPersistStorage copy = storage;
        copy.ResetLoad(true);
        long number = 0;
        copy.Load("x", number);
        EXPECT_EQ(number, 7) << "the copy reads the same file";
    }
    EXPECT_FALSE(key.Exists());
    const char* expected[] = { "7", "3", "abc", "4294967294", "0102FF" };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(IniValue(ini, key.Name(), std::to_string(i).c_str()), expected[i]) << i;
    EXPECT_EQ(IniValue(ini, key.Name(), "Has Data"), "1");
    EXPECT_TRUE(CRegistryPersistStorage(key.Name().c_str(), ini.c_str()).HasData());

    // Has Data is written once a value went through the key, not before; a load counts too.
    { CRegistryPersistStorage unused(key.Name().c_str(), nullptr); }
    EXPECT_FALSE(key.Exists());
    {
        CRegistryPersistStorage loading(key.Name().c_str(), nullptr);
        EXPECT_FALSE(loading.HasData());
        loading.LoadValue();
    }
    EXPECT_EQ(Stored(key, "Has Data"), "#1");
    EXPECT_EQ(Stored(key, "0"), "(none)");
}

TEST(RegistryPersistStorage, AStoredLengthThatDisagreesWithItsTextOverrunsNoBuffer)
{
    SettingsKey key;
    const char* const texts[] = { "abcdefgh", "xyz", "fits" };
    const unsigned long lengths[] = { 2, 4000000000ul, 11 };
    for (int i = 0; i < 3; ++i) {
        CRegistry(key.Name().c_str(), std::to_string(2 * i).c_str(), nullptr).SetValue(lengths[i]);
        CRegistry(key.Name().c_str(), std::to_string(2 * i + 1).c_str(), nullptr).SetTextValue(texts[i]);
    }
    CRegistry(key.Name().c_str(), "6", nullptr).SetValue(77);

    CRegistryPersistStorage storage(key.Name().c_str(), nullptr);
    unsigned long length = 0;
    char buffer[8];
    storage.LoadStringLength("x", length);
    EXPECT_EQ(length, 2u);
    std::memset(buffer, '#', sizeof buffer);
    storage.Load("x", buffer);
    EXPECT_EQ(std::string(buffer, 4), std::string("ab\0#", 4)) << "the length and a terminator";

    storage.LoadStringLength("x", length);
    EXPECT_EQ(length, 3u) << "never more than the text after it";
    std::memset(buffer, '#', sizeof buffer);
    storage.Load("x", buffer);
    EXPECT_EQ(std::string(buffer, 5), std::string("xyz\0#", 5));

    CString text;
    UPersistUtils::Load(storage, "x", text);
    EXPECT_EQ(text, "fits");
    long next = 0;
    storage.Load("x", next);
    EXPECT_EQ(next, 77) << "the positions stay in step";
}
