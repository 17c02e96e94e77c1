#include "afxcmn.h"
#include "afxwin.h"

#include <gtest/gtest.h>

#include <vector>

// The progress bar's wrappers are one message each; the progress dialogs' tests read the
// bars they set.
TEST(StandardControls, AddWhatTheirWrappersPromise)
{
    CWnd host; // hidden, top-level
    ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr));
    const CRect area{ 0, 0, 200, 120 };
    CListBox list;
    ASSERT_TRUE(list.Create(LBS_NOTIFY | WS_VSCROLL, area, &host, 10));
    list.AddString("Video");
    CString text;
    list.GetText(0, text);
    EXPECT_EQ(text, "Video");
    list.GetText(7, text);
    EXPECT_EQ(text, "") << "an index out of range gives no text";

    CComboBox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST, area, &host, 11));
    combo.AddString("first");
    combo.InsertString(0, "zeroth");
    combo.GetLBText(0, text);
    EXPECT_EQ(text, "zeroth");
    combo.GetLBText(5, text);
    EXPECT_EQ(text, "");

    CEdit edit;
    ASSERT_TRUE(edit.Create(ES_AUTOHSCROLL, area, &host, 12));
    edit.SetWindowText("hello world");
    edit.SetSel(6, -1);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(CPoint(start, end), CPoint(6, 11));
    edit.ReplaceSel("there");
    edit.GetWindowText(text);
    EXPECT_EQ(text, "hello there");

    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(TBS_VERT, area, &host, 13));
    slider.SetRange(0, 100000);
    EXPECT_EQ(slider.GetRangeMax(), 100000) << "ranges beyond sixteen bits";
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
    EXPECT_EQ(std::vector<int>({ b0, b1, b2, b3 }), std::vector<int>({ 192, 168, 1, 2 })) << "bytes in order";
    address.ClearAddress();
    EXPECT_TRUE(address.IsBlank());

    CTabCtrl tab;
    ASSERT_TRUE(tab.Create(WS_CHILD | WS_VISIBLE, area, &host, 20));
    EXPECT_EQ(tab.GetCurSel(), -1);
    EXPECT_EQ(tab.InsertItem(0, "Video"), 0);
    EXPECT_EQ(tab.InsertItem(5, "Audio"), 1) << "an index past the end appends";
    EXPECT_EQ(tab.SetCurSel(1), 0);
    EXPECT_EQ(tab.GetCurSel(), 1);
    CRect display = area;
    tab.AdjustRect(FALSE, &display);
    EXPECT_GT(display.top, area.top) << "the tabs take the top of the window";
    EXPECT_TRUE(CRect().IntersectRect(&display, &area) && display.Width() < area.Width());
    tab.AdjustRect(TRUE, &display);
    EXPECT_EQ(display, area);
    EXPECT_TRUE(tab.DeleteAllItems());
    EXPECT_EQ(tab.GetItemCount(), 0);
}

