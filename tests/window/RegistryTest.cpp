#include "Registry.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

// Every value of a test lies under an application key of its own, removed afterwards
// with everything in it.
class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            RegDeleteTreeA(root, ("Software\\Tarnwell\\" + mApplication).c_str());
            RegDeleteTreeA(root, ("Software\\" + mCompany).c_str());
            // The maker's key goes too when no other application keeps settings there.
            RegDeleteKeyA(root, "Software\\Tarnwell");
        }
    }

    CRegistry Value(const char* key, const char* name)
    {
        CRegistry value(key, name, nullptr);
        value.SetApplication(mApplication.c_str());
        return value;
    }

    static bool KeyExists(HKEY root, const std::string& path)
    {
        HKEY key;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    std::string AppKey() const { return "Software\\Tarnwell\\" + mApplication; }

    const std::string mApplication = "tnwwndut test " + std::to_string(GetCurrentProcessId());
    const std::string mCompany = "tnwwndut test company " + std::to_string(GetCurrentProcessId());
};

TEST_F(RegistryTest, NumbersAndTextsRoundTripUnderTheApplicationKeyOfEitherStoreAndOtherTextsGiveTheDefault)
{
    CRegistry number = Value("Crash Guard", "Running");
    EXPECT_FALSE(number.HasValue());
    EXPECT_EQ(number.GetValue(17), 17u);
    ASSERT_TRUE(number.SetValue(4294967295ul));
    EXPECT_EQ(number.GetValue(0), 4294967295ul);
    EXPECT_STREQ(number.GetTextValue(nullptr), "4294967295");

    DWORD stored = 0;
    DWORD size = sizeof stored;
    ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, (AppKey() + "\\Crash Guard").c_str(), "Running", RRF_RT_REG_DWORD,
                           nullptr, &stored, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(stored, 4294967295ul);

    CRegistry text = Value("Text", "Font");
    EXPECT_EQ(text.GetTextValue(nullptr), nullptr);
    EXPECT_STREQ(text.GetTextValue("Arial"), "Arial");
    ASSERT_TRUE(text.SetTextValue("Times New Roman"));
    EXPECT_STREQ(text.GetTextValue("Arial"), "Times New Roman");
    ASSERT_TRUE(text.SetTextValue(""));
    EXPECT_STREQ(text.GetTextValue("Arial"), "") << "an empty text is a stored value";
    ASSERT_TRUE(text.SetTextValue("12"));
    EXPECT_EQ(text.GetValue(0), 12u);

    EXPECT_TRUE(number.RemoveValue());
    EXPECT_FALSE(number.HasValue());
    EXPECT_EQ(number.GetValue(3), 3u);
    EXPECT_TRUE(number.RemoveValue()) << "removing what is not there succeeds";

    // The machine's store is apart from the user's.
    CRegistry machine = Value("Run Once", "Setup");
    machine.SetCurrentUser(false);
    ASSERT_TRUE(machine.SetValue(1));
    EXPECT_EQ(machine.GetValue(0), 1u);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, AppKey() + "\\Run Once"));
    EXPECT_FALSE(Value("Run Once", "Setup").HasValue());
    EXPECT_TRUE(machine.RemoveValue());
    EXPECT_FALSE(machine.HasValue());

    // Texts that are no number give the default.
    const std::string key = AppKey() + "\\Numbers";
    const struct {
        const char* stored;
        unsigned long expected;
    } cases[] = {{" 42\t", 42}, {"-1", 4294967295ul}, {"4294967296", 99}, {"-2147483649", 99},
                 {"12abc", 99},  {"", 99},            {"1 2", 99}};
    for (const auto& c : cases) {
        ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Value", REG_SZ, c.stored,
                                  static_cast<DWORD>(strlen(c.stored) + 1)),
                  ERROR_SUCCESS);
        EXPECT_EQ(Value("Numbers", "Value").GetValue(99), c.expected) << '"' << c.stored << '"';
    }
    const BYTE bytes[4] = {1, 0, 0, 0};
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "Value", REG_BINARY, bytes, sizeof bytes),
              ERROR_SUCCESS);
    CRegistry binary = Value("Numbers", "Value");
    EXPECT_EQ(binary.GetValue(99), 99u) << "a value of another type is none of ours";
    EXPECT_EQ(binary.GetTextValue(nullptr), nullptr);
}

TEST_F(RegistryTest, ClassWideDefaultsNameTheStoreAndIniTextsReadBackAsWrittenWithoutAddingLines)
{
    EXPECT_EQ(CRegistry::GetDefaultCompany(), "Tarnwell");
    EXPECT_EQ(CRegistry::GetDefaultApplication(), "test_window");

    CRegistry::SetDefaultApplication(mApplication.c_str());
    CRegistry fromDefaults("Debug", "Enable", nullptr);
    const bool written = fromDefaults.SetValue(1);
    CRegistry::SetDefaultApplication(nullptr);
    ASSERT_TRUE(written);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, AppKey() + "\\Debug"));
    EXPECT_EQ(CRegistry::GetDefaultApplication(), "test_window") << "clearing returns to the executable's name";
    EXPECT_FALSE(fromDefaults.HasValue()) << "the store is looked up at each access";

    CRegistry own = Value("Debug", "Enable");
    own.SetCompany(mCompany.c_str());
    ASSERT_TRUE(own.SetValue(5));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software\\" + mCompany + "\\" + mApplication + "\\Debug"));
    EXPECT_EQ(Value("Debug", "Enable").GetValue(0), 1u) << "another company is another store";

    CRegistry::SetDefaultCompany("");
    EXPECT_EQ(CRegistry::GetDefaultCompany(), "Tarnwell");
    CRegistry::SetDefaultApplication("a\\b:c");
    EXPECT_EQ(CRegistry::GetDefaultApplication(), "a_b_c") << "a name never divides a key or a path";
    CRegistry::SetDefaultApplication(nullptr);

    // Ini texts read back as written and cannot add lines.
    ScratchFolder scratch;
    const std::string path = scratch.File("log.ini");
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(scratch.Path().c_str()));
    CIniProfile profile("log.ini");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(profile.GetIniFile(), path) << "a relative path is taken from the current folder";
    CRegistry entry("Debug", "1", &profile);

    for (const char* text : {"  padded  ", "\"quoted\"", "a=b;c [x]", "\"", "%s %d"}) {
        ASSERT_TRUE(entry.SetTextValue(text));
        EXPECT_STREQ(entry.GetTextValue(nullptr), text) << '"' << text << '"';
    }
    ASSERT_TRUE(entry.SetTextValue(""));
    EXPECT_STREQ(entry.GetTextValue("default"), "") << "an empty value is not a missing one";

    ASSERT_TRUE(entry.SetTextValue("one\r\n[Evil]\nkey=value"));
    EXPECT_STREQ(entry.GetTextValue(nullptr), "one  [Evil] key=value");
    char names[256];
    EXPECT_EQ(GetPrivateProfileSectionNamesA(names, sizeof names, path.c_str()), 6u) << "only [Debug]: " << names;
    EXPECT_STREQ(names, "Debug");

    std::string longText(5000, 'x');
    longText += "end";
    ASSERT_TRUE(entry.SetTextValue(longText.c_str()));
    EXPECT_EQ(std::string(entry.GetTextValue(nullptr)), longText);
}

TEST_F(RegistryTest, IniValuesAreDecimalTextNeverTouchTheRegistryAndABindingMakesItsFolder)
{
    ScratchFolder scratch;
    const std::string path = scratch.File("settings.ini");
    CIniProfile profile;
    profile.SetIniFile(path.c_str());

    CRegistry left("Window", "Left", &profile);
    left.SetApplication(mApplication.c_str());
    EXPECT_EQ(left.GetValue(7), 7u);
    ASSERT_TRUE(left.SetValue(static_cast<unsigned long>(-8)));
    EXPECT_EQ(static_cast<long>(left.GetValue(0)), -8);
    char line[64];
    GetPrivateProfileStringA("Window", "Left", "", line, sizeof line, path.c_str());
    EXPECT_STREQ(line, "4294967288");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, AppKey()));

    for (const char* garbage : {"abc", "12abc", "", "4294967296", "1.5"}) {
        WritePrivateProfileStringA("Window", "Left", garbage, path.c_str());
        EXPECT_EQ(left.GetValue(7), 7u) << '"' << garbage << '"';
    }
    WritePrivateProfileStringA("Window", "Left", "-8", path.c_str());
    EXPECT_EQ(static_cast<long>(left.GetValue(0)), -8) << "a hand-written negative number";

    EXPECT_TRUE(left.RemoveValue());
    EXPECT_FALSE(left.HasValue());
    EXPECT_EQ(left.GetTextValue(nullptr), nullptr);

    // An ini file binding makes its folders and can be left.
    const std::string nested = scratch.File("Tarnwell\\App\\window.ini");
    CRegistry top("Window", "Top", nullptr);
    top.SetApplication(mApplication.c_str());
    top.SetIniFile(nested.c_str());
    ASSERT_TRUE(top.SetValue(120)) << "the first write makes the missing folders";
    EXPECT_EQ(GetPrivateProfileIntA("Window", "Top", 0, nested.c_str()), 120u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, AppKey()));

    top.SetIniFile(nullptr);
    EXPECT_FALSE(top.HasValue()) << "back in the registry, where nothing was stored";
    ASSERT_TRUE(top.SetValue(9));
    EXPECT_EQ(Value("Window", "Top").GetValue(0), 9u);

    CIniProfile unnamed;
    CRegistry nowhere("Window", "Top", &unnamed);
    EXPECT_FALSE(nowhere.SetValue(1)) << "a profile without a file is not the registry";
    EXPECT_EQ(nowhere.GetValue(4), 4u);
}

} // namespace
