#include "MemoryCanvas.h"

#include "afxwin.h"

#include <gtest/gtest.h>

#include <vector>

// A parent offers control colour, owner-draw, scroll and key-to-item messages back to the
// child control they concern; the child's reflected handler answers them, and the parent
// handles them itself only when the child does not.

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGreen = RGB(0, 255, 0);
const UINT kChildId = 100;

class CParentWnd : public CWnd {
public:
    int ownStaticColors = 0;

    BOOL CreateHidden()
    {
        return CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr);
    }

protected:
    afx_msg LRESULT OnCtlColorStatic(WPARAM, LPARAM)
    {
        ++ownStaticColors;
        return reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_MESSAGE(WM_CTLCOLORSTATIC, OnCtlColorStatic)
END_MESSAGE_MAP()

// A child that colours itself, and gives the colouring up on request.
class CColoredChild : public CWnd {
public:
    CBrush brush{ kGreen };
    bool answer = true;
    std::vector<UINT> types;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        types.push_back(nCtlColor);
        if (!answer)
            return nullptr;
        pDC->SetBkColor(kGreen);
        return brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColoredChild, CWnd)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// An owner-draw list box that measures, compares, deletes and answers keys for its items.
class COwnerDrawList : public CWnd {
public:
    std::vector<ULONG_PTR> deleted;
    std::vector<UINT> keys;

protected:
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) { lpMIS->itemHeight = 23; }
    // Sorted from the largest item data down.
    afx_msg int CompareItem(LPCOMPAREITEMSTRUCT lpCIS)
    {
        return lpCIS->itemData1 > lpCIS->itemData2 ? -1 : lpCIS->itemData1 < lpCIS->itemData2 ? 1 : 0;
    }
    afx_msg void DeleteItem(LPDELETEITEMSTRUCT lpDIS) { deleted.push_back(lpDIS->itemData); }
    afx_msg int VKeyToItem(UINT nKey, UINT)
    {
        keys.push_back(nKey);
        return -2; // handled: the list box does nothing more
    }
    afx_msg int CharToItem(UINT nChar, UINT)
    {
        keys.push_back(nChar);
        return -2;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDrawList, CWnd)
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_COMPAREITEM_REFLECT()
    ON_WM_DELETEITEM_REFLECT()
    ON_WM_VKEYTOITEM_REFLECT()
    ON_WM_CHARTOITEM_REFLECT()
END_MESSAGE_MAP()

class CScrollingChild : public CWnd {
public:
    std::vector<UINT> scrolls;

protected:
    afx_msg void HScroll(UINT nSBCode, UINT nPos) { scrolls.push_back(nSBCode * 1000 + nPos); }
    afx_msg void VScroll(UINT nSBCode, UINT nPos) { scrolls.push_back(100000 + nSBCode * 1000 + nPos); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScrollingChild, CWnd)
    ON_WM_HSCROLL_REFLECT()
    ON_WM_VSCROLL_REFLECT()
END_MESSAGE_MAP()

} // namespace

TEST(Reflection, ColourOwnerDrawAndScrollMessagesReachTheChildTheyConcern)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateHidden());
    CColoredChild child;
    ASSERT_TRUE(child.Create("STATIC", "", WS_VISIBLE, CRect(0, 0, 100, 20), &parent, kChildId));

    CMemoryCanvas canvas(4, 4, kWhite);
    const UINT messages[] = { WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN,
                              WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC };
    const UINT kinds[] = { CTLCOLOR_MSGBOX, CTLCOLOR_EDIT, CTLCOLOR_LISTBOX, CTLCOLOR_BTN,
                           CTLCOLOR_SCROLLBAR, CTLCOLOR_STATIC };
    for (UINT message : messages) {
        const LRESULT brush = parent.SendMessage(message, reinterpret_cast<WPARAM>(canvas.DC().m_hDC),
                                                 reinterpret_cast<LPARAM>(child.m_hWnd));
        EXPECT_EQ(brush, reinterpret_cast<LRESULT>(child.brush.m_hObject)) << "message " << message;
    }
    EXPECT_EQ(child.types, std::vector<UINT>(std::begin(kinds), std::end(kinds)));
    EXPECT_EQ(canvas.DC().GetBkColor(), kGreen) << "the child set up the parent's device context";
    EXPECT_EQ(parent.ownStaticColors, 0);

    // The static control itself asks its parent when it paints.
    child.types.clear();
    CMemoryCanvas painted(100, 20, kWhite);
    child.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(painted.DC().m_hDC), PRF_CLIENT);
    EXPECT_EQ(painted.Pixel(90, 10), kGreen) << "the background is the child's brush";
    EXPECT_EQ(child.types, std::vector<UINT>{ CTLCOLOR_STATIC });

    // A child that gives no brush leaves the message to its parent.
    child.answer = false;
    const LRESULT brush = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.DC().m_hDC),
                                             reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(parent.ownStaticColors, 1);

    // An owner-draw list box measures, compares and deletes its items and answers keys.
    COwnerDrawList list;
    ASSERT_TRUE(list.Create("LISTBOX", "", WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_SORT | LBS_WANTKEYBOARDINPUT,
                            CRect(0, 0, 100, 100), &parent, kChildId + 1));
    EXPECT_EQ(list.SendMessage(LB_GETITEMHEIGHT), 23) << "measured while the list box was created";

    for (LPARAM data : { 5, 9, 1 })
        list.SendMessage(LB_ADDSTRING, 0, data);
    EXPECT_EQ(list.SendMessage(LB_GETITEMDATA, 0), 9);
    EXPECT_EQ(list.SendMessage(LB_GETITEMDATA, 1), 5);
    EXPECT_EQ(list.SendMessage(LB_GETITEMDATA, 2), 1);

    list.SendMessage(LB_DELETESTRING, 1);
    EXPECT_EQ(list.deleted, std::vector<ULONG_PTR>{ 5 });

    list.SendMessage(WM_KEYDOWN, VK_END, 0);
    list.SendMessage(WM_CHAR, 'x', 0);
    EXPECT_EQ(list.keys, (std::vector<UINT>{ VK_END, 'x' }));
    EXPECT_EQ(list.SendMessage(LB_GETCURSEL), LB_ERR) << "handled keys move no selection";

    // Scroll bars handle their own scrolling.
    CScrollingChild bar;
    ASSERT_TRUE(bar.Create("SCROLLBAR", "", WS_VISIBLE | SBS_HORZ, CRect(0, 0, 100, 16), &parent, kChildId + 2));

    parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 42), reinterpret_cast<LPARAM>(bar.m_hWnd));
    parent.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(bar.m_hWnd));
    EXPECT_EQ(bar.scrolls, (std::vector<UINT>{ SB_THUMBTRACK * 1000 + 42, 100000 + SB_LINEDOWN * 1000 }));
}

