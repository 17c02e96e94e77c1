#include "afxrich.h"

#include <gtest/gtest.h>

TEST(RichEditCtrlTest, SelectsReplacesAndReadsTheSelection)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "rich edit parent", WS_POPUP, 0, 0, 300, 200,
                                nullptr, nullptr));
    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 300, 200), &parent, 10));
    EXPECT_TRUE(rich.IsKindOf(RUNTIME_CLASS(CRichEditCtrl)));
    EXPECT_EQ(CWnd::FromHandlePermanent(rich.m_hWnd), &rich);

    rich.ReplaceSel("convert the clip");
    rich.SetSel(8, 11);
    long start = -1;
    long end = -1;
    rich.GetSel(start, end);
    EXPECT_EQ(start, 8);
    EXPECT_EQ(end, 11);
    EXPECT_EQ(rich.GetSelText(), "the");

    rich.ReplaceSel("one");
    rich.SetSel(0, -1);
    EXPECT_EQ(rich.GetSelText(), "convert one clip");
    rich.SetSel(3, 3);
    EXPECT_EQ(rich.GetSelText(), "") << "an empty selection has no text";
    parent.DestroyWindow();
}
