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

TEST_F(ControlHost, ListBoxFindsWholeEntriesAndPrefixesApart)
{
    CListBox list;
    ASSERT_TRUE(list.Create(LBS_NOTIFY | WS_VSCROLL, area, &host, 10));
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CListBox)));
    for (LPCSTR entry : { "Video HD", "Video", "Audio" })
        list.AddString(entry);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.FindString(-1, "Video"), 0) << "a prefix search stops at the longer entry";
    EXPECT_EQ(list.FindStringExact(-1, "Video"), 1);
    EXPECT_EQ(list.FindStringExact(-1, "Vid"), LB_ERR);

    EXPECT_EQ(list.GetCurSel(), LB_ERR);
    list.SetCurSel(2);
    CString text;
    list.GetText(list.GetCurSel(), text);
    EXPECT_EQ(text, "Audio");
    list.GetText(7, text);
    EXPECT_EQ(text, "") << "an index out of range gives no text";

    list.SetItemData(1, 4711);
    EXPECT_EQ(list.GetItemData(1), 4711u);
    list.DeleteString(0);
    EXPECT_EQ(list.FindStringExact(-1, "Video"), 0);
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(ControlHost, ComboBoxKeepsEntriesAndSelection)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST, area, &host, 11));
    EXPECT_TRUE(combo.IsKindOf(RUNTIME_CLASS(CComboBox)));
    combo.AddString("first");
    combo.InsertString(0, "zeroth");
    EXPECT_EQ(combo.GetCount(), 2);
    EXPECT_EQ(combo.SelectString(-1, "fir"), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text, "zeroth");
    combo.GetLBText(5, text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(combo.FindStringExact(-1, "FIRST"), 1) << "the system compares entries without case";
    combo.SetCurSel(-1);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
}

TEST_F(ControlHost, EditSelectsReplacesAndLimits)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(ES_AUTOHSCROLL, area, &host, 12));
    EXPECT_TRUE(edit.IsKindOf(RUNTIME_CLASS(CEdit)));
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
    edit.SetModify(TRUE);
    EXPECT_TRUE(edit.GetModify());
    edit.SetModify(FALSE);
    EXPECT_FALSE(edit.GetModify());

    edit.LimitText(3);
    edit.SetSel(0, -1);
    edit.ReplaceSel("abcdef");
    edit.GetWindowText(text);
    EXPECT_EQ(text, "abc") << "typing stops at the limit";
}

TEST_F(ControlHost, SliderRangeBeyondSixteenBits)
{
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(TBS_VERT, area, &host, 13));
    slider.SetRange(0, 100000);
    EXPECT_EQ(slider.GetRangeMin(), 0);
    EXPECT_EQ(slider.GetRangeMax(), 100000);
    slider.SetPos(70000);
    EXPECT_EQ(slider.GetPos(), 70000);
    slider.SetRange(0, 100);
    slider.SetPos(250);
    EXPECT_EQ(slider.GetPos(), 100) << "positions are kept inside the range";
}

TEST_F(ControlHost, IpAddressFieldsAndBlankControl)
{
    CIPAddressCtrl address;
    ASSERT_TRUE(address.Create(WS_TABSTOP, area, &host, 14));
    EXPECT_TRUE(address.IsBlank());
    DWORD value = 1;
    EXPECT_EQ(address.GetAddress(value), 0);
    EXPECT_EQ(value, 0u);

    address.SetAddress(192, 168, 1, 2);
    EXPECT_FALSE(address.IsBlank());
    EXPECT_EQ(address.GetAddress(value), 4);
    EXPECT_EQ(value, 0xC0A80102u);
    BYTE b0, b1, b2, b3;
    address.GetAddress(b0, b1, b2, b3);
    EXPECT_EQ(b0, 192);
    EXPECT_EQ(b3, 2);

    address.ClearAddress();
    EXPECT_TRUE(address.IsBlank());
}
