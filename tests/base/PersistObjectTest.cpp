#include "Handle.h"
#include "MetaClass.h"
#include "PersistHandle.h"
#include "PersistList.h"
#include "PersistObject.h"
#include "PersistStorage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A persistent class as the library's own are written: a type code, a meta class and
// a text and a number property.
class CSample : public CPersistObject {
public:
    static const long kType = 'smpl';
    static CMetaClass sMetaClass;
    static int sAlive;
    static CPersistObject* Create() { return new CSample; }

    CSample() { ++sAlive; }
    CSample(const CSample& other) : CPersistObject(other), title(other.title), count(other.count)
    {
        ++sAlive;
    }
    ~CSample() override { --sAlive; }

    std::string title;
    long count = 0;

    long GetObjectType() override { return kType; }
    bool IsInstanceOf(long type) override
    {
        return type == kType || CPersistObject::IsInstanceOf(type);
    }
    CPersistObject* Clone() override { return new CSample(*this); }
    void SaveSelf(const char*, CPersistStorage& storage) override
    {
        storage.Save("title", title.c_str());
        storage.Save("count", count);
    }
    void LoadSelf(const char*, CPersistStorage& storage) override
    {
        unsigned long length = 0;
        storage.LoadStringLength("title", length);
        std::string buffer(length + 1, '\0');
        storage.Load("title", &buffer[0]);
        title = buffer.c_str();
        storage.Load("count", count);
    }
};

CMetaClass CSample::sMetaClass;
int CSample::sAlive = 0;

struct SampleRegistration {
    SampleRegistration()
    {
        CSample::sMetaClass.SetType(CSample::kType);
        CSample::sMetaClass.SetNewObjectFunc(CSample::Create);
    }
} sSampleRegistration;

CSample* NewSample(const char* title, long count)
{
    auto* sample = new CSample;
    sample->title = title;
    sample->count = count;
    return sample;
}

// Keeps plain values by position and ignores names, as a registry storage does, and
// writes down the objects it is asked to enter and the handles it sees; handles take no
// position, as in any storage that leaves them to the base.
class CPositionalStorage : public CPersistStorage {
public:
    using CPersistStorage::Load;
    using CPersistStorage::Save;
    std::string log;
    std::vector<std::string> values;
    size_t position = 0;

    void EnterObject(const char* name) override { log += std::string("<") + name + ">"; }
    void LeaveObject() override { log += "</>"; }
    void Save(const char* name, CHandle& value) override
    {
        log += std::string(name) + "#" + std::to_string(value.GetSize());
    }
    void Save(const char*, const char* value) override
    {
        values.push_back(std::to_string(std::strlen(value)));
        values.push_back(value);
    }
    void Save(const char*, long value) override { values.push_back(std::to_string(value)); }
    void Save(const char*, unsigned long value) override { values.push_back(std::to_string(value)); }
    void Save(const char*, unsigned char* data, unsigned long length) override
    {
        if (length > 0)
            values.emplace_back(reinterpret_cast<char*>(data), length);
    }
    std::string Next() { return position < values.size() ? values[position++] : ""; }
    void Load(const char*, char* buffer) override { std::strcpy(buffer, Next().c_str()); }
    void Load(const char*, long& value) override { value = std::atol(Next().c_str()); }
    void Load(const char*, unsigned long& value) override { value = std::stoul("0" + Next()); }
    void Load(const char*, unsigned char* data, unsigned long length) override
    {
        if (length > 0)
            std::memcpy(data, Next().data(), length);
    }
};

class CNoticeLog : public CListener {
public:
    std::string log;
    bool Respond(long property, CBroadcaster*, long data1, long) override
    {
        char code[5] = {static_cast<char>(property >> 24), static_cast<char>(property >> 16),
                        static_cast<char>(property >> 8), static_cast<char>(property), 0};
        log += std::string(code) + std::to_string(data1) + " ";
        return true;
    }
};

std::string Titles(const CPersistList& list)
{
    std::string titles;
    for (int i = 0; i < list.GetItemCount(); ++i)
        titles += static_cast<CSample*>(list.GetAt(i))->title;
    return titles;
}

std::string Bytes(CHandle& handle)
{
    return std::string(reinterpret_cast<char*>(handle.GetBuffer()), handle.GetSize());
}

// Saves an object into a plain storage and loads the image into another object.
void RoundTrip(CPersistObject& from, CPersistObject& to)
{
    CPersistStorage saver;
    from.Save("Settings", saver);
    unsigned long size = 0;
    unsigned char* image = saver.GetData(size);
    CPersistStorage loader;
    loader.SetData(image, size);
    to.Load("Settings", loader);
}

} // namespace

TEST(PersistObject, SaveBracketsVersionAndPropertiesAndTheDestroyedNoticeIgnoresTheSwitch)
{
    CPositionalStorage storage;
    std::unique_ptr<CSample> sample(NewSample("abc", 7));
    sample->Save("Settings", storage);
    EXPECT_EQ(storage.log, "<Settings>ObjectVersion#4</>");
    EXPECT_EQ(storage.values, (std::vector<std::string>{"3", "abc", "7"}));
    CSample loaded;
    loaded.Load("Settings", storage);
    EXPECT_EQ(loaded.title, "abc");
    EXPECT_EQ(loaded.count, 7);

    // Positions are spent on properties only; the destroyed notice is sent even with broadcasting stopped.
    CNoticeLog log;
    {
        CPersistObject object;
        object.AddListener(&log);
        object.StopBroadcasting();
    }
    EXPECT_EQ(log.log, "odel0 ");
    // The codes are usable as values (they must be defined, not only declared).
    EXPECT_EQ(CPersistObject::kObjectDestroyed, 'odel');
    EXPECT_EQ(CPersistList::kItemAdded, 'ladd');
}

TEST(MetaClass, CreatesObjectsByTypeCodeAndTheLatestRegistrationWins)
{
    std::unique_ptr<CPersistObject> sample(CMetaClass::CreateObject('smpl'));
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->GetObjectType(), 'smpl');
    EXPECT_EQ(CMetaClass::CreateObject('none'), nullptr);
    EXPECT_EQ(CMetaClass::Find(0), nullptr);
    std::unique_ptr<CPersistObject> list(CMetaClass::CreateObject('plis'));
    EXPECT_TRUE(list && list->IsList());
    std::unique_ptr<CPersistObject> handle(CMetaClass::CreateObject('phnd'));
    EXPECT_TRUE(handle && handle->IsInstanceOf(CPersistHandle::kPersistHandleType));
    EXPECT_TRUE(CPersistList::sInitialized && CPersistHandle::sInitialized);

    {
        CMetaClass other;
        other.SetType('smpl');
        EXPECT_EQ(CMetaClass::Find('smpl'), &CSample::sMetaClass) << "no function yet";
        other.SetNewObjectFunc([]() -> CPersistObject* { return new CPersistList(false); });
        std::unique_ptr<CPersistObject> created(CMetaClass::CreateObject('smpl'));
        EXPECT_TRUE(created->IsList());
    }
    EXPECT_EQ(CMetaClass::Find('smpl'), &CSample::sMetaClass) << "a destroyed meta class leaves";
}

TEST(PersistList, KeepsOrderTellsListenersOwnsItsObjectsAndClonesThemInCopies)
{
    CPersistList list(true);
    CNoticeLog log;
    list.AddListener(&log);
    CSample* b = NewSample("b", 0);
    EXPECT_EQ(list.Add(NewSample("a", 0)), 0);
    EXPECT_EQ(list.Add(b), 1);
    EXPECT_EQ(list.Insert(1, NewSample("x", 0)), 1);
    EXPECT_EQ(list.Insert(-3, NewSample("0", 0)), 0);
    EXPECT_EQ(list.Add(nullptr), -1);
    EXPECT_EQ(list.Add(b), -1) << "an owning list would delete it twice";
    EXPECT_EQ(list.Add(&list), -1);
    EXPECT_EQ(Titles(list), "0axb");
    EXPECT_EQ(log.log, "ladd0 ladd1 ladd1 ladd0 ");

    EXPECT_EQ(list.GetNext(list.GetAt(2)), b);
    EXPECT_EQ(list.GetNext(b), nullptr);

    log.log.clear();
    EXPECT_TRUE(list.Remove(b));
    EXPECT_FALSE(list.Remove(b));
    delete b; // removing hands the object to the caller, also from an owning list
    EXPECT_EQ(list.RemoveAt(7), nullptr);
    EXPECT_EQ(log.log, "lrem3 ");

    // Owning lists delete their objects, others do not.
    int before = CSample::sAlive;
    CSample kept;
    {
        CPersistList owning(true), sharing(false);
        owning.Add(NewSample("a", 1));
        owning.Add(NewSample("b", 2));
        owning.Add(NewSample("c", 3));
        sharing.Add(&kept);
        owning.DeleteAt(1);
        EXPECT_EQ(CSample::sAlive, before + 3);
        owning.Clear();
        EXPECT_EQ(owning.GetItemCount(), 0);
        EXPECT_EQ(CSample::sAlive, before + 1);
        owning.Add(NewSample("d", 4));
        sharing.DeleteAll();
        EXPECT_EQ(CSample::sAlive, before + 2);
    }
    EXPECT_EQ(CSample::sAlive, before + 1);

    // Copies clone owned objects and share the others.
    CPersistList owning(true);
    owning.Add(NewSample("a", 1));
    CPersistList copy(owning);
    ASSERT_EQ(copy.GetItemCount(), 1);
    EXPECT_NE(copy.GetAt(0), owning.GetAt(0));
    EXPECT_EQ(Titles(copy), "a");

    CPersistList sharing(false);
    sharing = owning;
    EXPECT_EQ(sharing.GetAt(0), owning.GetAt(0));

    CNoticeLog copyLog;
    copy.AddListener(&copyLog);
    copy = sharing;
    EXPECT_EQ(copyLog.log, "lrem0 lchg0 ");
    EXPECT_NE(copy.GetAt(0), owning.GetAt(0)) << "an owning list clones what it is given";
    std::unique_ptr<CPersistObject> clone(copy.Clone());
    EXPECT_EQ(Titles(*static_cast<CPersistList*>(clone.get())), "a");

    // Assigning a list that points at this list's own objects clones them before the
    // originals are deleted.
    CPersistList view(false);
    view.Add(copy.GetAt(0));
    copy = view;
    EXPECT_EQ(Titles(copy), "a");
}

TEST(PersistList, SavesAndLoadsItsObjectsByTypeUpToATypeNobodyRegistered)
{
    class CUnknown : public CSample {
    public:
        long GetObjectType() override { return 'unkn'; }
    };
    CPersistList list(true);
    list.Add(NewSample("first", 1));
    auto* inner = new CPersistList(true);
    inner->Add(NewSample("inner", 2));
    list.Add(inner);
    auto* bytes = new CPersistHandle;
    bytes->Append("\x01\x02\xFF", 3);
    list.Add(bytes);
    list.Add(NewSample("", 0));
    list.Add(new CUnknown);
    list.Add(NewSample("after", 3));

    CPersistList loaded(true);
    loaded.Add(NewSample("old", 9));
    RoundTrip(list, loaded);
    ASSERT_EQ(loaded.GetItemCount(), 4) << "loading stops at the unknown type";
    EXPECT_EQ(static_cast<CSample*>(loaded.GetAt(0))->title, "first");
    ASSERT_TRUE(loaded.GetAt(1)->IsList());
    EXPECT_EQ(Titles(*static_cast<CPersistList*>(loaded.GetAt(1))), "inner");
    auto* loadedBytes = dynamic_cast<CPersistHandle*>(loaded.GetAt(2));
    ASSERT_NE(loadedBytes, nullptr);
    EXPECT_EQ(Bytes(*loadedBytes), "\x01\x02\xFF");
    EXPECT_EQ(static_cast<CSample*>(loaded.GetAt(3))->title, "");

    CPersistList sharing(false);
    CSample kept;
    sharing.Add(&kept);
    RoundTrip(list, sharing);
    EXPECT_EQ(sharing.GetItemCount(), 1) << "a non-owning list loads nothing";

    class CInvalid : public CSample {
    public:
        bool ValidateSelf() override { return false; }
    };
    sharing.Add(new CInvalid);
    EXPECT_TRUE(sharing.Validate(false));
    EXPECT_FALSE(sharing.Validate(true)) << "validation goes deep only when asked";
    delete sharing.RemoveAt(1);
}

TEST(PersistHandle, KeepsItsBytesThroughEveryKindOfStorage)
{
    CPersistHandle original;
    for (int i = 0; i < 300; ++i) {
        unsigned char byte = static_cast<unsigned char>(i);
        original.Append(&byte, 1);
    }
    CPersistHandle plain;
    RoundTrip(original, plain);
    EXPECT_EQ(Bytes(plain), Bytes(original));

    CPositionalStorage positional;
    original.Save("data", positional);
    CPersistHandle fromPositions;
    fromPositions.Load("data", positional);
    EXPECT_EQ(Bytes(fromPositions), Bytes(original));

    CPersistHandle empty;
    RoundTrip(empty, fromPositions);
    EXPECT_EQ(fromPositions.GetSize(), 0u);
}
