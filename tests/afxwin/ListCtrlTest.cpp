#include "OwnWindows.h"

#include "afxlistctl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

BOOL CreateHost(CWnd& host)
{
    return host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr);
}

// Delivers queued messages as an application's loop does, through the thread's
// PreTranslateMessage.
void DeliverQueued()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!AfxGetThread()->PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

int CALLBACK CompareByData(LPARAM a, LPARAM b, LPARAM descending)
{
    const int order = *reinterpret_cast<int*>(a) - *reinterpret_cast<int*>(b);
    return descending ? -order : order;
}

// Two tools side by side: the left half of the client area is tool 0x10001, the right
// half tool 0x20001. Their texts come on request.
class CToolWnd : public CWnd {
public:
    std::vector<UINT_PTR> requests;

    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override
    {
        CRect client;
        GetClientRect(&client);
        const bool left = point.x < client.Width() / 2;
        pTI->hwnd = m_hWnd;
        pTI->uId = left ? 0x10001 : 0x20001;
        pTI->rect = client;
        (left ? pTI->rect.right : pTI->rect.left) = client.Width() / 2;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
        return static_cast<INT_PTR>(pTI->uId);
    }

protected:
    afx_msg BOOL OnNeedText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        requests.push_back(pNMHDR->idFrom);
        const char* text = pNMHDR->idFrom == 0x10001 ? "left tool" : "right tool";
        if (pNMHDR->code == TTN_NEEDTEXTA) {
            lstrcpynA(reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->szText, text, 80);
        } else {
            MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<NMTTDISPINFOW*>(pNMHDR)->szText, 80);
        }
        *pResult = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolWnd, CWnd)
    ON_TTN_NEEDTEXT(OnNeedText)
END_MESSAGE_MAP()

} // namespace

TEST(ListCtrl, RowsCarryTextsPointerDataAndStates)
{
    CWnd host;
    ASSERT_TRUE(CreateHost(host));
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 380, 280), &host, 7));
    ASSERT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 120), 0);
    ASSERT_EQ(list.InsertColumn(1, "Size", LVCFMT_RIGHT, 80), 1);
    int values[3] = { 30, 10, 20 };
    for (int i = 0; i < 3; ++i) {
        const std::string name = "row" + std::to_string(i);
        ASSERT_EQ(list.InsertItem(LVIF_TEXT | LVIF_PARAM, i, name.c_str(), 0, 0, 0,
                                  reinterpret_cast<LPARAM>(&values[i])), i);
    }
    EXPECT_EQ(list.GetItemData(1), reinterpret_cast<DWORD_PTR>(&values[1]));
    EXPECT_TRUE(list.SetItemText(2, 1, "two"));
    const std::string longText(700, 'x');
    list.SetItemText(0, 1, longText.c_str());
    EXPECT_EQ(list.GetItemText(0, 1).GetLength(), 700) << "long texts come back whole";
    char buffer[4];
    EXPECT_EQ(list.GetItemText(2, 1, buffer, sizeof buffer), 3);
    EXPECT_STREQ(buffer, "two");

    // Selected rows are walked in order, not the focused one.
    list.SetItemState(1, LVIS_FOCUSED, LVIS_FOCUSED);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{ 0, 2 }));

    ASSERT_TRUE(list.SortItems(CompareByData, FALSE));
    EXPECT_EQ(list.GetItemText(0, 0), "row1");
    EXPECT_EQ(list.GetItemText(2, 0), "row0");
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = reinterpret_cast<LPARAM>(&values[2]);
    EXPECT_EQ(list.FindItem(&find), 1);
}

TEST(ImageListAndToolTips, PermanentAndTemporaryListsAndTheToolUnderTheMouseAsksForItsText)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    CBitmap strip;
    CClientDC screen(nullptr);
    ASSERT_TRUE(strip.CreateCompatibleBitmap(&screen, 32, 16));
    EXPECT_EQ(images.Add(&strip, RGB(0, 0, 0)), 0);
    EXPECT_EQ(images.GetImageCount(), 2);
    EXPECT_EQ(CImageList::FromHandle(images.GetSafeHandle()), &images);
    EXPECT_FALSE(images.Attach(ImageList_Create(8, 8, ILC_COLOR, 0, 1))) << "one list per object";

    HIMAGELIST handle = images.Detach();
    CImageList* temporary = CImageList::FromHandle(handle);
    ASSERT_NE(temporary, nullptr);
    EXPECT_NE(temporary, &images);
    EXPECT_EQ(CImageList::FromHandlePermanent(handle), nullptr);
    CImageList::DeleteTempMap();
    EXPECT_EQ(ImageList_GetImageCount(handle), 2) << "a temporary object leaves the list alone";
    CImageList owner;
    ASSERT_TRUE(owner.Attach(handle));
    EXPECT_TRUE(owner.DeleteImageList());
    EXPECT_EQ(owner.GetSafeHandle(), nullptr);

    // The tool under the mouse asks its window for the text.
    CWnd host;
    ASSERT_TRUE(CreateHost(host));
    CToolWnd tools;
    ASSERT_TRUE(tools.Create(nullptr, "tools", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &host, 5));

    tools.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    DeliverQueued();
    EXPECT_EQ(FindOwnWindow(TOOLTIPS_CLASSA, nullptr), nullptr) << "no tool tip before EnableToolTips";

    tools.EnableToolTips(TRUE);
    tools.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    DeliverQueued();
    CToolTipCtrl* tip = static_cast<CToolTipCtrl*>(CWnd::FromHandle(FindOwnWindow(TOOLTIPS_CLASSA, nullptr)));
    ASSERT_NE(tip->GetSafeHwnd(), nullptr);
    EXPECT_EQ(tip->GetToolCount(), 1);
    CString text;
    tip->GetText(text, &tools, 0x10001);
    EXPECT_EQ(text, "left tool");
    EXPECT_EQ(tools.requests, (std::vector<UINT_PTR>{ 0x10001 })) << "a tool id above 0xFFFF reaches the handler";

    tools.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(150, 20));
    DeliverQueued();
    EXPECT_EQ(tip->GetToolCount(), 1) << "the previous tool gave way";
    tip->GetText(text, &tools, 0x20001);
    EXPECT_EQ(text, "right tool");
    TOOLINFOA info;
    EXPECT_FALSE(tip->GetToolInfo(info, &tools, 0x10001));
}

