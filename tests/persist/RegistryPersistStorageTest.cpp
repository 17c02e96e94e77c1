#include "AllValues.h"
#include "SettingsKey.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {

// One stored value as the registry holds it: its type and its number or text.
struct StoredValue {
    DWORD type = REG_NONE;
    DWORD number = 0;
    std::string text;
};

StoredValue ReadStored(const SettingsKey& key, const char* name)
{
    StoredValue stored;
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.Path().c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return stored;
    char data[4096] = {};
    DWORD size = sizeof data - 1;
    if (RegQueryValueExA(handle, name, nullptr, &stored.type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS) {
        if (stored.type == REG_DWORD)
            std::memcpy(&stored.number, data, sizeof stored.number);
        else
            stored.text = data;
    }
    RegCloseKey(handle);
    return stored;
}

::testing::AssertionResult IsNumber(const StoredValue& stored, DWORD number)
{
    if (stored.type != REG_DWORD)
        return ::testing::AssertionFailure() << "type " << stored.type << ", text [" << stored.text << "]";
    if (stored.number != number)
        return ::testing::AssertionFailure() << "number " << stored.number;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult IsText(const StoredValue& stored, const std::string& text)
{
    if (stored.type != REG_SZ)
        return ::testing::AssertionFailure() << "type " << stored.type << ", number " << stored.number;
    if (stored.text != text)
        return ::testing::AssertionFailure() << "text [" << stored.text << "]";
    return ::testing::AssertionSuccess();
}

void StoreNumber(const SettingsKey& key, const char* name, unsigned long number)
{
    CRegistry(key.Name().c_str(), name, nullptr).SetValue(number);
}

void StoreText(const SettingsKey& key, const char* name, const char* text)
{
    CRegistry(key.Name().c_str(), name, nullptr).SetTextValue(text);
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
        EXPECT_EQ(storage.GetKey(), "4");
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
    EXPECT_TRUE(IsNumber(ReadStored(key, "0"), 7));
    EXPECT_TRUE(IsNumber(ReadStored(key, "1"), 3));
    EXPECT_TRUE(IsText(ReadStored(key, "2"), "abc"));
    EXPECT_TRUE(IsNumber(ReadStored(key, "3"), 1));
    EXPECT_TRUE(IsNumber(ReadStored(key, "4"), 4294967295ul));
    EXPECT_TRUE(IsNumber(ReadStored(key, "5"), 255));
    EXPECT_TRUE(IsNumber(ReadStored(key, "6"), 4294967294ul));
    EXPECT_TRUE(IsNumber(ReadStored(key, "7"), 65535));
    EXPECT_TRUE(IsNumber(ReadStored(key, "8"), 4294967295ul));
    EXPECT_TRUE(IsText(ReadStored(key, "9"), "1.500000"));
    EXPECT_TRUE(IsText(ReadStored(key, "10"), "0.250000"));
    EXPECT_TRUE(IsNumber(ReadStored(key, "11"), 0));
    EXPECT_TRUE(IsNumber(ReadStored(key, "12"), 0));
    EXPECT_TRUE(IsText(ReadStored(key, "13"), ""));
    EXPECT_EQ(ReadStored(key, "14").type, static_cast<DWORD>(REG_NONE));
    EXPECT_TRUE(IsNumber(ReadStored(key, "Has Data"), 1));
    EXPECT_TRUE(CRegistryPersistStorage(key.Name().c_str(), nullptr).HasData());
}

TEST(RegistryPersistStorage, StoresByteBlocksInChunksOf255Bytes)
{
    SettingsKey key;
    const std::vector<unsigned char> bytes = CountingBytes(510);
    {
        CRegistryPersistStorage storage(key.Name().c_str(), nullptr);
        storage.Save("x", const_cast<unsigned char*>(bytes.data()), 300);
        EXPECT_EQ(storage.GetKey(), "2");
        storage.Save("x", const_cast<unsigned char*>(bytes.data()), 0);
        EXPECT_EQ(storage.GetKey(), "2") << "no position for no bytes";
        storage.Save("x", const_cast<unsigned char*>(bytes.data()), 510);
        EXPECT_EQ(storage.GetKey(), "4");
        storage.Save("x", const_cast<unsigned char*>(bytes.data()), 3);
    }
    const StoredValue first = ReadStored(key, "0");
    ASSERT_EQ(first.text.size(), 510u);
    EXPECT_EQ(first.text.substr(0, 8), "00010203");
    EXPECT_EQ(first.text.substr(502), "FBFCFDFE");
    EXPECT_EQ(ReadStored(key, "1").text.size(), 90u);
    EXPECT_EQ(ReadStored(key, "1").text.substr(0, 4), "FF00") << "the second chunk goes on at byte 255";
    EXPECT_EQ(ReadStored(key, "2").text.size(), 510u);
    EXPECT_EQ(ReadStored(key, "3").text.size(), 510u);
    EXPECT_TRUE(IsText(ReadStored(key, "4"), "000102"));

    CRegistryPersistStorage storage(key.Name().c_str(), nullptr);
    std::vector<unsigned char> loaded(300, 0xEE);
    storage.Load("x", loaded.data(), 300);
    EXPECT_EQ(loaded, std::vector<unsigned char>(bytes.begin(), bytes.begin() + 300));
    EXPECT_EQ(storage.GetKey(), "2");
    // A buffer shorter than what was saved gets its length and the positions stay in step.
    std::vector<unsigned char> shorter(101, 0xEE);
    storage.Load("x", shorter.data(), 100);
    EXPECT_EQ(std::vector<unsigned char>(shorter.begin(), shorter.begin() + 100),
              std::vector<unsigned char>(bytes.begin(), bytes.begin() + 100));
    EXPECT_EQ(shorter[100], 0xEE);
    EXPECT_EQ(storage.GetKey(), "3");
    storage.ResetLoad(false);
    EXPECT_EQ(storage.GetKey(), "3");
    storage.ResetLoad(true);
    EXPECT_EQ(storage.GetKey(), "0");
}

TEST(RegistryPersistStorage, LoadsWhatWasSavedInTheSameOrder)
{
    SettingsKey key;
    {
        CRegistryPersistStorage storage(key.Name().c_str(), nullptr);
        storage.Save("x", static_cast<char>(-1));
        storage.Save("x", "some text");
        storage.Save("x", -2.5);
    }
    CRegistryPersistStorage storage(key.Name().c_str(), nullptr);
    char c = 0;
    storage.Load("x", c);
    EXPECT_EQ(c, -1);
    CString text;
    UPersistUtils::Load(storage, "x", text);
    EXPECT_EQ(text, "some text");
    double d = 0;
    storage.Load("x", d);
    EXPECT_EQ(d, -2.5);
    storage.ResetLoad(true);
    unsigned long wide = 0;
    storage.Load("x", wide);
    EXPECT_EQ(wide, 4294967295ul) << "the same position as a long";

    // Beyond what was saved: numbers 0, texts empty, a byte block takes one position and
    // copies nothing.
    storage.ResetLoad(true);
    for (int i = 0; i < 4; ++i)
        storage.LoadValue();
    long number = 9;
    storage.Load("x", number);
    EXPECT_EQ(number, 0);
    text = "before";
    UPersistUtils::Load(storage, "x", text);
    EXPECT_EQ(text, "");
    unsigned char bytes[2] = {0xEE, 0xEE};
    storage.Load("x", bytes, 2);
    EXPECT_EQ(bytes[0], 0xEE);
    EXPECT_EQ(storage.GetKey(), "8");
    storage.Load("x", bytes, 0);
    EXPECT_EQ(storage.GetKey(), "8");
    unsigned long size = 5;
    EXPECT_EQ(storage.GetData(size), nullptr);
    EXPECT_EQ(size, 5u);
}

TEST(RegistryPersistStorage, HasDataOnlyOnceAValueWentThroughTheKey)
{
    SettingsKey key;
    { CRegistryPersistStorage unused(key.Name().c_str(), nullptr); }
    EXPECT_FALSE(key.Exists()) << "nothing written, not even Has Data";
    {
        CRegistryPersistStorage loading(key.Name().c_str(), nullptr);
        EXPECT_FALSE(loading.HasData());
        EXPECT_EQ(loading.GetKey(), "0") << "asking does not move the position";
        loading.LoadValue();
    }
    EXPECT_TRUE(IsNumber(ReadStored(key, "Has Data"), 1)) << "a load counts too";
    EXPECT_EQ(ReadStored(key, "0").type, static_cast<DWORD>(REG_NONE));
}

TEST(RegistryPersistStorage, WithAnIniFileKeepsTheSameLayoutThereAndNothingInTheRegistry)
{
    SettingsKey key;
    ScratchFolder folder;
    const std::string ini = folder.File("settings.ini");
    {
        CRegistryPersistStorage storage(key.Name().c_str(), ini.c_str());
        storage.Save("x", 7l);
        storage.Save("x", "abc");
        storage.Save("x", true);
        storage.Save("x", static_cast<short>(-2));
        storage.Save("x", 1.5);
        unsigned char bytes[] = {1, 2, 255};
        storage.Save("x", bytes, 3);
        CRegistryPersistStorage copy = storage;
        EXPECT_EQ(copy.GetKey(), "7");
        copy.ResetLoad(true);
        long number = 0;
        copy.Load("x", number);
        EXPECT_EQ(number, 7) << "the copy reads the same file";
    }
    EXPECT_FALSE(key.Exists());
    EXPECT_EQ(IniValue(ini, key.Name(), "0"), "7");
    EXPECT_EQ(IniValue(ini, key.Name(), "1"), "3");
    EXPECT_EQ(IniValue(ini, key.Name(), "2"), "abc");
    EXPECT_EQ(IniValue(ini, key.Name(), "3"), "1");
    EXPECT_EQ(IniValue(ini, key.Name(), "4"), "4294967294");
    EXPECT_EQ(IniValue(ini, key.Name(), "5"), "1.500000");
    EXPECT_EQ(IniValue(ini, key.Name(), "6"), "0102FF");
    EXPECT_EQ(IniValue(ini, key.Name(), "Has Data"), "1");
    EXPECT_TRUE(CRegistryPersistStorage(key.Name().c_str(), ini.c_str()).HasData());
    EXPECT_FALSE(CRegistryPersistStorage(key.Name().c_str(), nullptr).HasData());
}

TEST(RegistryPersistStorage, AStoredLengthThatDisagreesWithItsTextOverrunsNoBuffer)
{
    SettingsKey key;
    StoreNumber(key, "0", 2);
    StoreText(key, "1", "abcdefgh");
    StoreNumber(key, "2", 4000000000ul);
    StoreText(key, "3", "xyz");
    StoreNumber(key, "4", 11);
    StoreText(key, "5", "fits");
    StoreNumber(key, "6", 77);

    CRegistryPersistStorage storage(key.Name().c_str(), nullptr);
    unsigned long length = 0;
    storage.LoadStringLength("x", length);
    EXPECT_EQ(length, 2u);
    char buffer[8];
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
