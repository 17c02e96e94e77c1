#include "tnwmfcut.h"

#include "ScratchFolder.h"
#include "XmlTexts.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Records the property codes listeners are told about.
class CNoticeRecorder : public CListener {
public:
    bool Respond(long property, CBroadcaster* broadcaster, long data1, long data2) override
    {
        notices.push_back(property);
        return CListener::Respond(property, broadcaster, data1, data2);
    }
    std::vector<long> notices;
};

// A name without blanks at its ends; counts its change hook.
class CTrimmedName : public CNamedObject {
public:
    CString ValidateName(const char* name) override
    {
        CString trimmed(name);
        trimmed.TrimLeft();
        trimmed.TrimRight();
        return trimmed;
    }
    void SideEffectNameChanged() override { ++changes; }
    int changes = 0;
};

} // namespace

TEST(NamedObject, SetNameStoresTellsAndRunsTheHookOnlyForAChange)
{
    CNamedObject object;
    CNoticeRecorder recorder;
    object.AddListener(&recorder);
    EXPECT_FALSE(object.SetName("") || object.SetName(nullptr));
    EXPECT_TRUE(recorder.notices.empty());
    EXPECT_TRUE(object.SetName("Clip"));
    EXPECT_TRUE(object.SetName("clip")) << "case matters";
    EXPECT_FALSE(object.SetName("clip"));
    EXPECT_EQ(recorder.notices, (std::vector<long>{'namf', 'namf'}));
    object.RemoveListener(&recorder);

    CTrimmedName trimmed;
    EXPECT_TRUE(trimmed.SetName(" Clip "));
    EXPECT_EQ(trimmed.GetName(), "Clip");
    EXPECT_FALSE(trimmed.SetName("Clip "));
    EXPECT_EQ(trimmed.changes, 1);

    CNamedValue value;
    value.AddListener(&recorder);
    EXPECT_FALSE(value.SetValue(""));
    EXPECT_TRUE(value.SetValue("1280 x 720"));
    EXPECT_FALSE(value.SetValue("1280 x 720"));
    EXPECT_TRUE(value.SetName("Size"));
    EXPECT_EQ(recorder.notices, (std::vector<long>{'namf', 'namf', 'namp', 'namf'}));
    value.RemoveListener(&recorder);
}

TEST(NamedObject, TypeCodesAreRegisteredWhenTheLibraryLoadsAndClonesAreEqual)
{
    for (long type : { 'name', 'namo', 'namd' }) {
        std::unique_ptr<CPersistObject> created(CMetaClass::CreateObject(type));
        ASSERT_NE(created, nullptr) << type;
        EXPECT_EQ(created->GetObjectType(), type);
    }
    EXPECT_TRUE(CNamedValue::Initialize()) << "registering again changes nothing";
    CNamedData data;
    EXPECT_TRUE(data.IsInstanceOf('namd') && data.IsInstanceOf('name') &&
                data.IsInstanceOf(CPersistObject::kPersistObjectType));
    EXPECT_FALSE(data.IsInstanceOf('namo'));

    data.SetName("Thumbnail");
    data.GetData().Append("0123456789", 10);
    std::unique_ptr<CPersistObject> clone(data.Clone());
    ASSERT_EQ(clone->GetObjectType(), 'namd');
    CNamedData& copy = static_cast<CNamedData&>(*clone);
    EXPECT_EQ(copy.GetName(), "Thumbnail");
    EXPECT_EQ(Bytes(copy.GetData()),
              "0123456789");
    CNamedValue value;
    value.SetName("Size");
    value.SetValue("720p");
    std::unique_ptr<CPersistObject> valueClone(value.Clone());
    EXPECT_EQ(static_cast<CNamedValue&>(*valueClone).GetValue(), "720p");
    std::unique_ptr<CPersistObject> objectClone(static_cast<CNamedObject&>(value).CNamedObject::Clone());
    EXPECT_EQ(objectClone->GetObjectType(), 'name');
}

TEST(NamedObject, SavesAndLoadsUnderItsTags)
{
    ScratchFolder folder;
    const std::string path = folder.File("named.xml");
    CNamedValue value;
    value.SetName("Entry Name");
    value.SetValue("a value");
    CNamedData data;
    data.SetName("Blob");
    data.GetData().Append("\x01\x02", 2);
    {
        CXmlPersistStorage storage("Settings", path.c_str());
        storage.EnterObject("Settings");
        value.Save("Entry", storage);
        data.Save("Data Entry", storage);
        storage.LeaveObject();
    }
    const std::string document = ReadWholeFile(path);
    EXPECT_NE(document.find("<Entry>\r\n<ObjectVersion>01000000</ObjectVersion>\r\n<name>Entry Name</name>\r\n"
                            "<value>a value</value>\r\n</Entry>\r\n"),
              std::string::npos)
        << document;
    EXPECT_NE(document.find("<data>\r\n<Bytes>0102</Bytes>\r\n<ObjectVersion>01000000</ObjectVersion>\r\n"
                            "<Size>2</Size>\r\n</data>\r\n"),
              std::string::npos)
        << document;

    // The value is missing from the element: the loaded object keeps its own.
    CXmlPersistReader reader("<?xml version=\"1.0\" ?>\r\n<Settings>\r\n<Entry>\r\n<name>Other</name>\r\n"
                             "</Entry>\r\n</Settings>\r\n");
    reader.EnterObject("Settings");
    CNamedValue loaded;
    loaded.SetValue("own value");
    loaded.Load("Entry", reader);
    EXPECT_EQ(loaded.GetName(), "Other");
    EXPECT_EQ(loaded.GetValue(), "own value");

    CXmlPersistReader fileReader("Settings", path.c_str());
    fileReader.EnterObject("Settings");
    CNamedData loadedData;
    loadedData.Load("Data Entry", fileReader);
    EXPECT_EQ(loadedData.GetName(), "Blob");
    EXPECT_EQ(Bytes(loadedData.GetData()),
              "\x01\x02");
}
