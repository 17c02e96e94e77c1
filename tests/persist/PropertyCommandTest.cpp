#include "StandInAutomation.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

#include <oleauto.h>

#include <string>
#include <vector>

namespace {

VARIANT Variant(VARTYPE type)
{
    VARIANT value;
    ::VariantInit(&value);
    V_VT(&value) = type;
    return value;
}

VARIANT Int(int number)
{
    VARIANT value = Variant(VT_I4);
    V_I4(&value) = number;
    return value;
}

// A double or a date, which is a double too.
VARIANT Real(VARTYPE type, double number)
{
    VARIANT value = Variant(type);
    V_R8(&value) = number;
    return value;
}

// A media library as its Automation object shows it: a title, a track count, a switch, a
// volume, a date, the playlist it holds, and an Add method.
class PropertyCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        library = new StandInAutomation;
        library->AddTextProperty(L"Title", L"My Music");
        library->AddProperty(L"Tracks", Int(12));
        VARIANT shuffle = Variant(VT_BOOL);
        V_BOOL(&shuffle) = VARIANT_TRUE;
        library->AddProperty(L"Shuffle", shuffle);
        library->AddProperty(L"Volume", Real(VT_R8, 0.75));
        library->AddProperty(L"Added", Real(VT_DATE, 45000.5));
        playlist = new StandInAutomation;
        VARIANT held = Variant(VT_DISPATCH);
        V_DISPATCH(&held) = playlist;
        library->AddProperty(L"Playlist", held);
        playlist->Release(); // the library holds it now
        library->AddFailing(L"Broken", E_ACCESSDENIED);
        library->AddMethod(L"Add", [this](const std::vector<VARIANT>& arguments, VARIANT* result) {
            for (const VARIANT& argument : arguments)
                received.push_back(V_VT(&argument) == VT_I4 ? std::to_wstring(V_I4(&argument)) : V_BSTR(&argument));
            if (result)
                *result = Int(static_cast<int>(arguments.size()));
            return S_OK;
        });
    }
    void TearDown() override
    {
        EXPECT_EQ(library->References(), 1u) << "every command gave back what it took";
        library->Release();
        EXPECT_EQ(StandInAutomation::Alive(), 0);
    }

    StandInAutomation* library = nullptr;
    StandInAutomation* playlist = nullptr;
    std::vector<std::wstring> received;
};

} // namespace

TEST_F(PropertyCommandTest, ReadsWritesAndCallsByNameWithPlainTypes)
{
    CPropertyCommand command(library);
    char title[32] = "untouched";
    int tracks = -1;
    bool shuffle = false;
    double volume = 0, added = 0;
    EXPECT_EQ(command.getStrProp(L"Title", title, sizeof title), S_OK);
    EXPECT_STREQ(title, "My Music");
    EXPECT_EQ(library->namesLocale, 0x400u);
    EXPECT_EQ(library->invokeLocale, 0x800u);
    EXPECT_EQ(library->invokeFlags, DISPATCH_PROPERTYGET);
    EXPECT_EQ(command.getIntProp(L"Tracks", tracks) | command.getBoolProp(L"Shuffle", shuffle) |
                  command.getDoubleProp(L"Volume", volume) | command.getDateProp(L"Added", added),
              S_OK);
    EXPECT_TRUE(tracks == 12 && shuffle && volume == 0.75 && added == 45000.5)
        << tracks << " " << shuffle << " " << volume << " " << added;

    // Another type answers S_FALSE and leaves the output alone; failures pass through.
    tracks = -1;
    EXPECT_EQ(command.getIntProp(L"Title", tracks), S_FALSE);
    EXPECT_EQ(tracks, -1);
    EXPECT_EQ(command.getDoubleProp(L"Tracks", volume), S_FALSE);
    EXPECT_EQ(command.getIntProp(L"Broken", tracks), E_ACCESSDENIED);
    EXPECT_EQ(command.getIntProp(L"Missing", tracks), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(CPropertyCommand(nullptr).getIntProp(L"Tracks", tracks), E_INVALIDARG);

    // Texts fit their buffer and always end in a zero; no buffer gets nothing.
    char small[4] = "xyz";
    EXPECT_EQ(command.getStrProp(L"Title", small, sizeof small), S_OK);
    EXPECT_STREQ(small, "My ");
    EXPECT_EQ(command.getStrProp(L"Title", small, 0), S_FALSE);
    EXPECT_STREQ(small, "My ");
    EXPECT_EQ(command.getStrProp(L"Title", nullptr, 10), S_FALSE);

    EXPECT_EQ(command.setBoolProp(L"Shuffle", true), S_OK);
    EXPECT_EQ(V_BOOL(&library->Property(L"Shuffle")), VARIANT_TRUE);
    EXPECT_EQ(library->invokeFlags, DISPATCH_PROPERTYPUT);
    EXPECT_EQ(command.setBoolProp(L"Shuffle", false), S_OK);
    EXPECT_EQ(V_BOOL(&library->Property(L"Shuffle")), VARIANT_FALSE);
    EXPECT_EQ(command.setIntProp(L"Tracks", 13) | command.setDoubleProp(L"Volume", 0.5) |
                  command.setDateProp(L"Added", 1.25),
              S_OK);
    EXPECT_TRUE(V_I4(&library->Property(L"Tracks")) == 13 && V_R8(&library->Property(L"Volume")) == 0.5 &&
                V_VT(&library->Property(L"Added")) == VT_DATE && V_DATE(&library->Property(L"Added")) == 1.25);
    EXPECT_EQ(command.setStrProp(L"Title", nullptr), S_OK);
    EXPECT_EQ(library->TextProperty(L"Title"), L"");
    const std::string longTitle(5000, 'a');
    EXPECT_EQ(command.setStrProp(L"Title", longTitle.c_str()), S_OK);
    EXPECT_EQ(library->TextProperty(L"Title").size(), 5000u) << "long texts arrive whole";
    EXPECT_EQ(command.setIntProp(L"Broken", 1), E_ACCESSDENIED);

    // Arguments go as Invoke takes them: the last one first.
    VARIANT arguments[2] = { Int(2), Variant(VT_BSTR) };
    V_BSTR(&arguments[1]) = ::SysAllocString(L"song.mp3");
    VARIANT result;
    ::VariantInit(&result);
    EXPECT_EQ(command.invoke(L"Add", arguments, 2, &result), S_OK);
    EXPECT_EQ(library->invokeFlags, DISPATCH_METHOD);
    EXPECT_EQ(received, (std::vector<std::wstring>{ L"2", L"song.mp3" }));
    EXPECT_EQ(V_I4(&result), 2);
    ::VariantClear(&arguments[1]);
}

TEST_F(PropertyCommandTest, EveryReferenceTakenIsGivenBack)
{
    {
        CPropertyCommand first(library);
        EXPECT_EQ(library->References(), 2u);
        CPropertyCommand copy(first);
        CPropertyCommand other(nullptr);
        other = copy;
        other = other;
        EXPECT_EQ(library->References(), 4u);
        EXPECT_EQ(other.getDisp(), library);

        IDispatch* held = nullptr;
        EXPECT_EQ(first.getDispProp(L"Playlist", &held), S_OK);
        EXPECT_EQ(held, playlist);
        EXPECT_EQ(playlist->References(), 2u) << "the caller's reference and the library's";
        CPropertyCommand onPlaylist(held);
        held->Release();
        EXPECT_EQ(first.setDispProp(L"Playlist", nullptr), S_OK);
        EXPECT_EQ(playlist->References(), 1u) << "only the command holds it now";
        EXPECT_EQ(first.getDispProp(L"Tracks", &held), S_FALSE);
        EXPECT_EQ(held, nullptr);
        EXPECT_EQ(first.getDispProp(L"Playlist", nullptr), S_FALSE);
    }
    EXPECT_EQ(StandInAutomation::Alive(), 1) << "the playlist went with the last command";
}
