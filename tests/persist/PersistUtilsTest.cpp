#include "AllValues.h"
#include "SettingsKey.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(PersistUtils, KeepsAnObjectAsAnImageFileAndKeepsTheOldFileWhenThatFails)
{
    ScratchFolder folder;
    const std::string path = folder.File("settings.img");
    CAllValues saved = CAllValues::Extremes(300);
    ASSERT_TRUE(UPersistUtils::Save(path.c_str(), saved));
    // The file is exactly the plain storage's image of the object saved as "Settings".
    CPersistStorage storage;
    saved.Save("Settings", storage);
    unsigned long size = 0;
    const unsigned char* image = storage.GetData(size);
    EXPECT_EQ(ReadWholeFile(path), std::string(reinterpret_cast<const char*>(image), size));

    // A missing file leaves the object alone; one that opens but holds no image clears it.
    CAllValues loaded = CAllValues::Extremes(3);
    const std::string before = loaded.Describe();
    EXPECT_FALSE(UPersistUtils::Load(folder.File("missing.img").c_str(), loaded));
    EXPECT_EQ(loaded.Describe(), before);
    ASSERT_TRUE(WriteWholeFile(folder.File("broken.img"), "\x01\x02 not an image"));
    EXPECT_TRUE(UPersistUtils::Load(folder.File("broken.img").c_str(), loaded));
    EXPECT_EQ(loaded.Describe(), CAllValues().Describe());

    EXPECT_FALSE(UPersistUtils::Save(folder.File("no such folder\\settings.img").c_str(), saved));
    ASSERT_TRUE(::CreateDirectoryA((path + ".new").c_str(), nullptr));
    EXPECT_FALSE(UPersistUtils::Save(path.c_str(), loaded));
    EXPECT_TRUE(UPersistUtils::Load(path.c_str(), loaded));
    EXPECT_EQ(loaded.Describe(), saved.Describe()) << "the old file stays";
}

TEST(PersistUtils, LoadsTextsOfAnyLengthAndKeepsWhatAStorageLeavesUntouched)
{
    ScratchFolder folder;
    const std::string path = folder.File("texts.xml");
    const CString longText('x', 200000);
    {
        CXmlPersistStorage storage("Settings", path.c_str());
        storage.EnterObject("Settings");
        storage.Save("Long", static_cast<const char*>(longText));
        storage.Save("Short", "ab");
        storage.LeaveObject();
    }
    CXmlPersistReader reader("Settings", path.c_str());
    reader.EnterObject("Settings");
    CString text;
    UPersistUtils::Load(reader, "Long", text);
    EXPECT_EQ(text, longText);
    UPersistUtils::Load(reader, "Short", text);
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(text.GetLength(), 2);
    text = "kept";
    UPersistUtils::Load(reader, "Missing", text);
    EXPECT_EQ(text, "kept");

    // A plain storage whose image claims a text longer than memory can hold.
    CPersistStorage image;
    image.Save("Huge", 4000000000ul);
    image.Save("Huge", "abc");
    unsigned long size = 0;
    const unsigned char* data = image.GetData(size);
    CHandle copy;
    copy.Append(data, size);
    image.SetData(copy.GetBuffer(), copy.GetSize());
    text = "kept";
    UPersistUtils::Load(image, "Huge", text);
    EXPECT_EQ(text, "kept");
}

TEST(PersistUtils, ScramblesTextsReversibly)
{
    EXPECT_EQ(UPersistUtils::Encrypt("") + UPersistUtils::Encrypt(nullptr) + UPersistUtils::Decrypt("") +
                  UPersistUtils::Decrypt(nullptr),
              "");
    for (const char* text : {"a", "secret", "p@ss w0rd with blanks", "\xE4\xF6\xFC\xFF", "aaaaaaaaaaaaaaaaaaaa"}) {
        const CString scrambled = UPersistUtils::Encrypt(text);
        EXPECT_NE(scrambled.Find(text), 0) << text;
        EXPECT_TRUE(scrambled.SpanIncluding("0123456789ABCDEF") == scrambled &&
                    scrambled.GetLength() == 2 * static_cast<int>(std::strlen(text)) + 4)
            << scrambled;
        EXPECT_EQ(UPersistUtils::Decrypt(scrambled), text);
        CString lower = scrambled;
        lower.MakeLower();
        EXPECT_EQ(UPersistUtils::Decrypt(lower), text);
        // A changed digit breaks the check.
        CString changed = scrambled;
        changed.SetAt(0, changed[0] == '0' ? '1' : '0');
        EXPECT_EQ(UPersistUtils::Decrypt(changed), "") << changed;
    }
    // Texts that Encrypt did not make.
    for (const char* text : {"secret", "ABCDEF", "ABCDEFG", "00000000", "GGGGGGGG", "12 34 56"})
        EXPECT_EQ(UPersistUtils::Decrypt(text), "") << text;
}

TEST(PersistUtils, DecryptLoadUnscramblesWhatTheStorageHolds)
{
    SettingsKey key;
    {
        CRegistryPersistStorage storage(key.Name().c_str(), nullptr);
        storage.Save("Password", static_cast<const char*>(UPersistUtils::Encrypt("open sesame")));
        storage.Save("Plain", "never scrambled");
    }
    CRegistryPersistStorage storage(key.Name().c_str(), nullptr);
    CString password;
    UPersistUtils::DecryptLoad(storage, "Password", password);
    EXPECT_EQ(password, "open sesame");
    CString plain = "before";
    UPersistUtils::DecryptLoad(storage, "Plain", plain);
    EXPECT_EQ(plain, "");

    // A value missing from a document keeps what the text held, as a plain load does.
    CXmlPersistReader reader("<?xml version=\"1.0\" ?>\r\n<Settings>\r\n</Settings>\r\n");
    reader.EnterObject("Settings");
    password = "kept";
    UPersistUtils::DecryptLoad(reader, "Password", password);
    EXPECT_EQ(password, "kept");
}
