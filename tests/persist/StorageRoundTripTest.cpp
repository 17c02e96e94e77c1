#include "AllValues.h"
#include "SettingsKey.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SStorageKind {
    const char* name;
    // The positional storage keeps plain numbers and texts only: a 64-bit value takes no
    // position there and loads as 0.
    bool keeps64Bit;
    // A long text, beyond what 16 bits can count where the storage allows it. Wine's
    // profile functions, which write ini files, refuse values of 32 KiB and more.
    int longText;
};

const SStorageKind kKinds[] = {
    { "Xml", true, 70000 }, { "Registry", false, 70000 }, { "Ini", false, 30000 }, { "Image", true, 70000 }
};

// Saves an object through one kind of storage and loads it into a fresh object.
class StorageRoundTrip : public ::testing::TestWithParam<SStorageKind> {
protected:
    std::string RoundTrip(CAllValues& saved)
    {
        const std::string kind = GetParam().name;
        const std::string path = mFolder.File("values");
        CAllValues loaded;
        if (kind == "Xml") {
            {
                CXmlPersistStorage storage("Settings", path.c_str());
                saved.Save("Settings", storage);
            }
            CXmlPersistReader reader("Settings", path.c_str());
            loaded.Load("Settings", reader);
        } else if (kind == "Image") {
            EXPECT_TRUE(UPersistUtils::Save(path.c_str(), saved));
            EXPECT_TRUE(UPersistUtils::Load(path.c_str(), loaded));
        } else {
            const char* ini = kind == "Ini" ? path.c_str() : nullptr;
            {
                CRegistryPersistStorage storage(mKey.Name().c_str(), ini);
                saved.Save("Settings", storage);
            }
            CRegistryPersistStorage storage(mKey.Name().c_str(), ini);
            loaded.Load("Settings", storage);
        }
        return loaded.Describe();
    }

    // What the storage gives back of saved.
    std::string Expected(const CAllValues& saved)
    {
        CAllValues expected = saved;
        if (!GetParam().keeps64Bit)
            expected.mSigned64 = 0;
        return expected.Describe();
    }

    ScratchFolder mFolder;
    SettingsKey mKey;
};

} // namespace

TEST_P(StorageRoundTrip, ExtremeOrdinaryAndZeroValuesComeBackAsSaved)
{
    for (unsigned long blockSize : { 0ul, 1ul, 255ul, 256ul, 300ul, 510ul, 511ul }) {
        CAllValues saved = CAllValues::Extremes(blockSize);
        EXPECT_EQ(RoundTrip(saved), Expected(saved)) << "block of " << blockSize;
    }

    CAllValues ordinary;
    ordinary.mSigned8 = 'x';
    ordinary.mSigned16 = 1234;
    ordinary.mSigned32 = 2147483647;
    ordinary.mUnsigned32 = 2147483648ul;
    ordinary.mSigned64 = 1;
    ordinary.mSingle = -1.5f;
    ordinary.mDouble = 1e10;
    ordinary.mTitle = "x";
    ordinary.mFolder = CString('t', GetParam().longText);
    ordinary.mEntry.SetName("only a name");
    EXPECT_EQ(RoundTrip(ordinary), Expected(ordinary));

    CAllValues wide;
    wide.mSigned64 = 0x7FFFFFFFFFFFFFFFll;
    wide.mUnsigned32 = 1;
    wide.mBlock = { 0, 0, 0 };
    EXPECT_EQ(RoundTrip(wide), Expected(wide));

    CAllValues zero;
    EXPECT_EQ(RoundTrip(zero), Expected(zero));
}

INSTANTIATE_TEST_SUITE_P(EveryStorage, StorageRoundTrip, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<SStorageKind>& info) { return std::string(info.param.name); });
