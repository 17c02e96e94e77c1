#include "afxcmn.h"
#include "afxwin.h"

#include <gtest/gtest.h>

namespace {

// A hidden top-level window that hosts the controls under test.
class ControlHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    }
    void TearDown() override { host.DestroyWindow(); }

    CWnd host;
    const CRect area{ 0, 0, 200, 120 };
};

} // namespace

TEST_F(ControlHost, ListAndComboBoxesFindEntriesAndGiveNoTextOutOfRange)
{
    CListBox list;
    ASSERT_TRUE(list.Create(LBS_NOTIFY | WS_VSCROLL, area, &host, 10));
    for (LPCSTR entry : { "Video HD", "Video", "Audio" })
        list.AddString(entry);
    EXPECT_EQ(list.FindString(-1, "Video"), 0) << "a prefix search stops at the longer entry";
    EXPECT_EQ(list.FindStringExact(-1, "Video"), 1);
    list.SetCurSel(2);
    CString text;
    list.GetText(list.GetCurSel(), text);
    EXPECT_EQ(text, "Audio");
    list.GetText(7, text);
    EXPECT_EQ(text, "") << "an index out of range gives no text";
    list.SetItemData(1, 4711);
    EXPECT_EQ(list.GetItemData(1), 4711u);

    CComboBox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST, area, &host, 11));
    combo.AddString("first");
    combo.InsertString(0, "zeroth");
    EXPECT_EQ(combo.SelectString(-1, "fir"), 1);
    combo.GetLBText(0, text);
    EXPECT_EQ(text, "zeroth");
    combo.GetLBText(5, text);
    EXPECT_EQ(text, "");
}

TEST_F(ControlHost, EditSelectsAndReplaces)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(ES_AUTOHSCROLL, area, &host, 12));
    edit.SetWindowText("hello world");
    edit.SetSel(6, -1);
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 6);
    EXPECT_EQ(end, 11);
    edit.ReplaceSel("there");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "hello there");
}

TEST_F(ControlHost, SliderRangesBeyondSixteenBitsAndAddressBytesInOrder)
{
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(TBS_VERT, area, &host, 13));
    slider.SetRange(0, 100000);
    EXPECT_EQ(slider.GetRangeMax(), 100000);
    slider.SetPos(70000);
    EXPECT_EQ(slider.GetPos(), 70000);

    CIPAddressCtrl address;
    ASSERT_TRUE(address.Create(WS_TABSTOP, area, &host, 14));
    EXPECT_TRUE(address.IsBlank());
    address.SetAddress(192, 168, 1, 2);
    DWORD value = 0;
    EXPECT_EQ(address.GetAddress(value), 4);
    EXPECT_EQ(value, 0xC0A80102u);
    BYTE b0, b1, b2, b3;
    address.GetAddress(b0, b1, b2, b3);
    EXPECT_EQ(b0, 192);
    EXPECT_EQ(b3, 2);
    address.ClearAddress();
    EXPECT_TRUE(address.IsBlank());
}
