#include "AllValues.h"
#include "SettingsKey.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

// One way of keeping an object: save it, then load it into another object.
class Keeper {
public:
    virtual ~Keeper() = default;
    virtual void Save(CPersistObject& object) = 0;
    virtual void Load(CPersistObject& object) = 0;
};

class XmlKeeper : public Keeper {
public:
    void Save(CPersistObject& object) override
    {
        CXmlPersistStorage storage("Settings", mPath.c_str());
        object.Save("Settings", storage);
    }
    void Load(CPersistObject& object) override
    {
        CXmlPersistReader reader("Settings", mPath.c_str());
        object.Load("Settings", reader);
    }

private:
    ScratchFolder mFolder;
    std::string mPath = mFolder.File("values.xml");
};

class RegistryKeeper : public Keeper {
public:
    void Save(CPersistObject& object) override
    {
        CRegistryPersistStorage storage(mKey.Name().c_str(), IniFile());
        object.Save("Settings", storage);
    }
    void Load(CPersistObject& object) override
    {
        CRegistryPersistStorage storage(mKey.Name().c_str(), IniFile());
        object.Load("Settings", storage);
    }

protected:
    virtual const char* IniFile() const { return nullptr; }
    SettingsKey mKey;
};

class IniKeeper : public RegistryKeeper {
public:
    ~IniKeeper() override { EXPECT_FALSE(mKey.Exists()) << "an ini storage writes nothing to the registry"; }

protected:
    const char* IniFile() const override { return mPath.c_str(); }

private:
    ScratchFolder mFolder;
    std::string mPath = mFolder.File("values.ini");
};

class ImageKeeper : public Keeper {
public:
    void Save(CPersistObject& object) override { EXPECT_TRUE(UPersistUtils::Save(mPath.c_str(), object)); }
    void Load(CPersistObject& object) override { EXPECT_TRUE(UPersistUtils::Load(mPath.c_str(), object)); }

private:
    ScratchFolder mFolder;
    std::string mPath = mFolder.File("values.img");
};

struct KeeperKind {
    const char* name;
    std::function<std::unique_ptr<Keeper>()> make;
    // The positional storage keeps plain numbers and texts only: a 64-bit value takes no
    // position there and loads as 0.
    bool keeps64Bit;
    // A long text, beyond what 16 bits can count where the storage allows it. Wine's
    // profile functions, which write ini files, refuse values of 32 KiB and more.
    int longText;
};

const KeeperKind kKeepers[] = {
    {"Xml", [] { return std::unique_ptr<Keeper>(new XmlKeeper); }, true, 70000},
    {"Registry", [] { return std::unique_ptr<Keeper>(new RegistryKeeper); }, false, 70000},
    {"Ini", [] { return std::unique_ptr<Keeper>(new IniKeeper); }, false, 30000},
    {"Image", [] { return std::unique_ptr<Keeper>(new ImageKeeper); }, true, 70000},
};

class StorageRoundTrip : public ::testing::TestWithParam<KeeperKind> {
protected:
    std::string RoundTrip(CAllValues& saved)
    {
        std::unique_ptr<Keeper> keeper = GetParam().make();
        keeper->Save(saved);
        CAllValues loaded;
        keeper->Load(loaded);
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
};

} // namespace

TEST_P(StorageRoundTrip, ExtremeValuesOfEveryTypeComeBackAsSaved)
{
    for (unsigned long blockSize : {0ul, 1ul, 255ul, 256ul, 300ul, 510ul, 511ul}) {
        CAllValues saved = CAllValues::Extremes(blockSize);
        EXPECT_EQ(RoundTrip(saved), Expected(saved)) << "block of " << blockSize;
    }
}

TEST_P(StorageRoundTrip, OrdinaryAndZeroValuesComeBackAsSaved)
{
    CAllValues zero;
    EXPECT_EQ(RoundTrip(zero), Expected(zero));

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
    wide.mBlock = {0, 0, 0};
    EXPECT_EQ(RoundTrip(wide), Expected(wide));
}

INSTANTIATE_TEST_SUITE_P(EveryStorage, StorageRoundTrip, ::testing::ValuesIn(kKeepers),
                         [](const ::testing::TestParamInfo<KeeperKind>& info) { return std::string(info.param.name); });
