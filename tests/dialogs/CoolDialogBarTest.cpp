#include "MessagePump.h"
#include "resource.h"

#include "dialogs/CoolDialogBar.h"

#include <gtest/gtest.h>

namespace {

// Counts the tracker's inversions: drawn and erased in pairs, an even count leaves the
// frame as it was.
class CCountingBar : public CCoolDialogBar {
public:
    int inversions = 0;
    void OnInvertTracker(const CRect& rect) override
    {
        ++inversions;
        CCoolDialogBar::OnInvertTracker(rect);
    }
};

class CCountingFrame : public CFrameWnd {
public:
    int layouts = 0;
    void RecalcLayout(BOOL bNotify = TRUE) override
    {
        ++layouts;
        CFrameWnd::RecalcLayout(bNotify);
    }
};

class CoolDialogBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CCountingFrame;
        ASSERT_TRUE(frame->Create(nullptr, "cool bar", WS_OVERLAPPEDWINDOW, CRect(40, 40, 700, 500)));
        frame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.Create(frame, &dialog, "Jobs", IDD_HOSTED,
                               WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_SIZE_DYNAMIC));
        CRect rect;
        dialog.GetWindowRect(&rect);
        dialogSize = rect.Size();
        bar.EnableDocking(CBRS_ALIGN_ANY);
        frame->ShowWindow(SW_SHOWNA);
        frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    }
    void TearDown() override
    {
        if (::GetCapture())
            ::ReleaseCapture();
        if (frame->m_hWnd)
            frame->DestroyWindow();
        CWnd::DeleteTempMap();
    }

    CRect BarRect() const
    {
        CRect rect;
        bar.GetWindowRect(&rect);
        return rect;
    }
    // A point of the bar in window coordinates, on the screen.
    CPoint OnScreen(CPoint inWindow) const { return inWindow + BarRect().TopLeft(); }
    LRESULT HitTest(CPoint inWindow)
    {
        const CPoint pt = OnScreen(inWindow);
        return bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    }
    void NcMouse(UINT message, CPoint inWindow)
    {
        const CPoint pt = OnScreen(inWindow);
        bar.SendMessage(message, static_cast<WPARAM>(HitTest(inWindow)), MAKELPARAM(pt.x, pt.y));
    }
    // Presses the sizing edge at its centre, moves the mouse by (dx, dy) and, unless
    // told otherwise, lets go.
    void DragEdge(int dx, int dy, bool release = true)
    {
        const CPoint centre = bar.GetEdgeRect().CenterPoint();
        ASSERT_EQ(HitTest(centre), HTGROWBOX);
        NcMouse(WM_NCLBUTTONDOWN, centre);
        ASSERT_TRUE(bar.IsTracking());
        CPoint to = OnScreen(centre) + CSize(dx, dy);
        bar.ScreenToClient(&to);
        bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(to.x, to.y));
        if (release)
            bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    }

    CCountingFrame* frame = nullptr;
    CDialog dialog;
    CCountingBar bar;
    CSize dialogSize;
};

} // namespace

TEST_F(CoolDialogBarTest, EachSideFramesTheDialogAndTheEdgeResizesWithinLimits)
{
    struct Case {
        UINT side;
        CSize clientOffset;   // gripper or gap on the left, and on top
        int across;           // the window's extent across the edge
        CSize clientShrink;   // window size less client size
    };
    const Case cases[] = {
        { AFX_IDW_DOCKBAR_TOP, CSize(20, 3), dialogSize.cy + 9, CSize(23, 9) },
        { AFX_IDW_DOCKBAR_LEFT, CSize(3, 20), dialogSize.cx + 9, CSize(9, 23) },
        { AFX_IDW_DOCKBAR_RIGHT, CSize(6, 20), dialogSize.cx + 9, CSize(9, 23) },
        { AFX_IDW_DOCKBAR_BOTTOM, CSize(20, 6), dialogSize.cy + 9, CSize(23, 9) },
    };
    for (const Case& c : cases) {
        frame->DockControlBar(&bar, c.side);
        const bool horz = c.side == AFX_IDW_DOCKBAR_TOP || c.side == AFX_IDW_DOCKBAR_BOTTOM;
        EXPECT_EQ(bar.IsHorz(), horz);
        const CRect window = BarRect();
        EXPECT_EQ(horz ? window.Height() : window.Width(), c.across) << c.side;
        CPoint origin(0, 0);
        bar.ClientToScreen(&origin);
        EXPECT_EQ(origin - window.TopLeft(), c.clientOffset) << c.side;
        CRect client;
        bar.GetClientRect(&client);
        EXPECT_EQ(window.Size() - client.Size(), c.clientShrink) << c.side;
        CRect hosted;
        dialog.GetWindowRect(&hosted);
        EXPECT_EQ(hosted, CRect(origin, client.Size())) << "the dialog fills the client area";

        // The sizing edge faces the frame's centre; the gripper runs along the other end.
        const CRect edge = bar.GetEdgeRect();
        const CRect whole(CPoint(0, 0), window.Size());
        const CRect expected = c.side == AFX_IDW_DOCKBAR_TOP ? CRect(0, whole.bottom - 6, whole.right, whole.bottom)
                               : c.side == AFX_IDW_DOCKBAR_LEFT ? CRect(whole.right - 6, 0, whole.right, whole.bottom)
                               : c.side == AFX_IDW_DOCKBAR_RIGHT ? CRect(0, 0, 6, whole.bottom)
                                                                 : CRect(0, 0, whole.right, 6);
        EXPECT_EQ(edge, expected) << c.side;
        EXPECT_EQ(HitTest(bar.GetCloseRect().CenterPoint()), HTSYSMENU);
        EXPECT_EQ(HitTest(bar.GetFloatRect().CenterPoint()), HTMINBUTTON);
        EXPECT_EQ(HitTest(bar.GetGripperRect().CenterPoint()), HTCAPTION);
    }

    // Following its edge: the frame grows and a left bar spans its new height.
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    frame->SetWindowPos(nullptr, 0, 0, 640, 520, SWP_NOMOVE | SWP_NOZORDER);
    CRect client;
    frame->GetClientRect(&client);
    EXPECT_EQ(BarRect().Height(), client.Height());

    // Painting never lays the frame out: that would paint again.
    frame->layouts = 0;
    bar.SendMessage(WM_NCPAINT, 1);
    EXPECT_EQ(frame->layouts, 0);

    // No dialog, no bar.
    CDialog missing;
    CCoolDialogBar orphan;
    EXPECT_FALSE(orphan.Create(frame, &missing, "none", IDD_MISSING));
    EXPECT_EQ(orphan.m_hWnd, nullptr);

    // The edge resizes within limits, and a lost capture keeps the size.
    const int width = BarRect().Width();
    DragEdge(50, 7);
    EXPECT_FALSE(bar.IsTracking());
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(BarRect().Width(), width + 50) << "the bar follows the mouse exactly";

    DragEdge(-1000, 0);
    EXPECT_EQ(BarRect().Width(), 32) << "never narrower than the minimum";

    DragEdge(5000, 0);
    frame->GetClientRect(&client);
    EXPECT_EQ(BarRect().Width(), client.Width()) << "never wider than its frame";

    DragEdge(-5000, 0);
    DragEdge(40, 0);
    bar.inversions = 0;
    DragEdge(60, 0, false);
    frame->SetCapture();
    EXPECT_FALSE(bar.IsTracking());
    EXPECT_EQ(BarRect().Width(), 72) << "a resize cut short by a lost capture changes nothing";
    EXPECT_EQ(bar.inversions % 2, 0) << "the tracker is erased exactly once";
    ::ReleaseCapture();

    // A top bar grows downwards, a bottom bar upwards.
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
    const int height = BarRect().Height();
    DragEdge(0, -30);
    EXPECT_EQ(BarRect().Height(), height + 30);
}

TEST_F(CoolDialogBarTest, ButtonsHideAndFloatAndSizesSurviveFloating)
{
    DragEdge(25, 0);
    const CSize docked = BarRect().Size();

    NcMouse(WM_NCLBUTTONDOWN, bar.GetFloatRect().CenterPoint());
    ASSERT_TRUE(bar.IsFloating());
    CFrameWnd* floating = bar.GetParentFrame();
    ASSERT_NE(floating, frame);
    CRect client;
    floating->GetClientRect(&client);
    EXPECT_EQ(client.Size(), dialogSize) << "a floating bar is its dialog's size";
    EXPECT_EQ(BarRect().Size(), dialogSize);
    EXPECT_TRUE(bar.GetEdgeRect().IsRectEmpty());
    EXPECT_FALSE(floating->GetStyle() & MFS_4THICKFRAME) << "sized from its corners too";

    // Its frame sizes it from a corner: the opposite corner stays, the bar follows.
    CRect outer;
    floating->GetWindowRect(&outer);
    EXPECT_EQ(floating->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(outer.right - 1, outer.bottom - 1)), HTBOTTOMRIGHT);
    CPoint to(outer.right + 40, outer.bottom + 30);
    bar.ScreenToClient(&to);
    bar.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(to.x, to.y));
    bar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    bar.m_pDockContext->StartResize(HTBOTTOMRIGHT, outer.BottomRight());
    EXPECT_EQ(BarRect().Size(), dialogSize + CSize(40, 30));
    CRect now;
    floating->GetWindowRect(&now);
    EXPECT_EQ(now.TopLeft(), outer.TopLeft());
    EXPECT_EQ(now.Size(), outer.Size() + CSize(40, 30));

    floating->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    ASSERT_FALSE(bar.IsFloating());
    EXPECT_EQ(bar.GetParent()->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(BarRect().Size(), docked) << "docked again at the size it had";

    NcMouse(WM_NCLBUTTONDBLCLK, bar.GetGripperRect().CenterPoint());
    EXPECT_TRUE(bar.IsFloating()) << "a double click on the gripper floats";
    bar.m_pDockContext->ToggleDocking();
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(BarRect().Height(), dialogSize.cy + 9);
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(BarRect().Size(), docked);

    NcMouse(WM_NCLBUTTONDOWN, bar.GetCloseRect().CenterPoint());
    EXPECT_FALSE(bar.GetStyle() & WS_VISIBLE) << "the close button hides the bar";
    EXPECT_EQ(frame->GetDockBar(AFX_IDW_DOCKBAR_LEFT)->GetDockedVisibleCount(), 0);
    frame->ShowControlBar(&bar, TRUE, FALSE);
    EXPECT_EQ(BarRect().Size(), docked);
}

TEST(CoolDialogBar, AFrameWithOneEdgeStillMeasuresTheOtherOrientation)
{
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "one edge", WS_OVERLAPPEDWINDOW, CRect(40, 40, 500, 400)));
    frame->EnableDocking(CBRS_ALIGN_RIGHT);
    CDialog dialog;
    CCoolDialogBar bar;
    ASSERT_TRUE(bar.Create(frame, &dialog, "Jobs", IDD_HOSTED));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(bar.m_pDockBar, nullptr) << "no left edge to dock to";
    frame->DockControlBar(&bar);
    ASSERT_NE(bar.m_pDockBar, nullptr);
    CRect client;
    frame->GetClientRect(&client);
    // Dragged, it asks for its shape along a top edge the frame does not have.
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE).cx, client.Width() + 4);
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, FALSE).cy, client.Height() + 4);
    frame->DestroyWindow();
    CWnd::DeleteTempMap();
}
