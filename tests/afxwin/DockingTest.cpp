#include "MessagePump.h"
#include "resource.h"

#include "afxext.h"

#include <gtest/gtest.h>

namespace {

// A bar of a fixed size: 120 x 30 along a horizontal edge, 40 x 90 along a vertical one.
class CFixedBar : public CControlBar {
public:
    int layouts = 0;
    bool relayoutInside = false;

    BOOL Create(CWnd* parent, UINT id)
    {
        // No edge of its own until docked: a bar with an alignment that sits directly in
        // the frame takes a slice of it.
        m_dwStyle = 0;
        return CreateEx(0, AfxRegisterWndClass(0), "fixed", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                        parent->m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
    }
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override
    {
        ++layouts;
        // A bar that lays its frame out again while being measured, as bars that follow
        // their edge do.
        if (relayoutInside && m_pDockSite)
            m_pDockSite->RecalcLayout();
        return bHorz ? CSize(120, 30) : CSize(40, 90);
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

class DockingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "docking", WS_OVERLAPPEDWINDOW, CRect(50, 50, 650, 450)));
        ASSERT_TRUE(view.CreateEx(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, frame->m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST))));
        frame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.Create(frame, 0xE820));
        ASSERT_TRUE(second.Create(frame, 0xE821));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        second.EnableDocking(CBRS_ALIGN_ANY);
        frame->ShowWindow(SW_SHOWNA);
        frame->GetClientRect(&client);
    }
    void TearDown() override
    {
        if (frame->m_hWnd)
            frame->DestroyWindow();
        CWnd::DeleteTempMap();
    }

    // A window's rectangle in the frame's client coordinates.
    CRect InFrame(CWnd& wnd) const
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        frame->ScreenToClient(&rect);
        return rect;
    }
    CPoint OnScreen(CPoint clientPoint) const
    {
        frame->ClientToScreen(&clientPoint);
        return clientPoint;
    }
    // Drags the bar from one point of the frame's client area to another with the mouse
    // messages its dock context reads, then drops it (or presses Escape).
    void Drag(CControlBar& which, CPoint from, CPoint to, bool escape = false)
    {
        CPoint inBar = OnScreen(to);
        which.ScreenToClient(&inBar);
        which.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(inBar.x, inBar.y));
        if (escape)
            which.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        else
            which.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(inBar.x, inBar.y));
        which.m_pDockContext->StartDrag(OnScreen(from));
    }

    CFrameWnd* frame = nullptr;
    CWnd view;
    CFixedBar bar;
    CFixedBar second;
    CRect client;
};

class CAgreeTarget : public CCmdTarget {
protected:
    afx_msg void OnUpdateName(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAgreeTarget, CCmdTarget)
    ON_UPDATE_COMMAND_UI(IDC_NAME, OnUpdateName)
END_MESSAGE_MAP()

} // namespace

TEST_F(DockingTest, EachSideTakesItsEdgeAndTheViewTheRestAndLayoutIsSafeAgainstReentry)
{
    struct Case {
        UINT id;
        CRect barRect;
        CRect viewRect;
    };
    const int w = client.Width(), h = client.Height();
    const Case cases[] = {
        { AFX_IDW_DOCKBAR_TOP, CRect(0, 0, 120, 30), CRect(0, 30, w, h) },
        { AFX_IDW_DOCKBAR_LEFT, CRect(0, 0, 40, 90), CRect(40, 0, w, h) },
        { AFX_IDW_DOCKBAR_RIGHT, CRect(w - 40, 0, w, 90), CRect(0, 0, w - 40, h) },
        { AFX_IDW_DOCKBAR_BOTTOM, CRect(0, h - 30, 120, h), CRect(0, 0, w, h - 30) },
    };
    for (const Case& c : cases) {
        frame->DockControlBar(&bar, c.id);
        EXPECT_EQ(bar.GetParent()->GetDlgCtrlID(), static_cast<int>(c.id));
        EXPECT_EQ(InFrame(bar), c.barRect) << c.id;
        EXPECT_EQ(InFrame(view), c.viewRect) << c.id;
        EXPECT_EQ(bar.IsHorz(), c.id == AFX_IDW_DOCKBAR_TOP || c.id == AFX_IDW_DOCKBAR_BOTTOM);
    }
    // Redocked four times, the bar sits in exactly one dock bar.
    int docked = 0;
    for (UINT id = AFX_IDW_DOCKBAR_TOP; id <= AFX_IDW_DOCKBAR_BOTTOM; ++id)
        docked += frame->GetDockBar(id)->GetDockedCount();
    EXPECT_EQ(docked, 1);

    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    bar.relayoutInside = true;
    bar.layouts = 0;
    frame->RecalcLayout();
    EXPECT_EQ(bar.layouts, 1) << "the inner layout returned at once";
    EXPECT_EQ(InFrame(view).top, 30);
}

TEST_F(DockingTest, TwoBarsOnOneSideStackAndFollowTheFrame)
{
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    frame->DockControlBar(&second, AFX_IDW_DOCKBAR_TOP);
    CDockBar* top = frame->GetDockBar(AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(top->GetRowCount(), 2);
    EXPECT_EQ(InFrame(bar), CRect(0, 0, 120, 30));
    EXPECT_EQ(InFrame(second), CRect(0, 30, 120, 60));
    EXPECT_EQ(InFrame(view).top, 60);

    // Dropped beside the first, the second joins its row.
    CRect beside(CPoint(150, 0), CSize(120, 30));
    frame->ClientToScreen(&beside);
    frame->DockControlBar(&second, top, &beside);
    EXPECT_EQ(top->GetRowCount(), 1);
    EXPECT_EQ(InFrame(second), CRect(120, 0, 240, 30));

    // The frame narrower than the row: the edge follows and the last bar is cut to fit.
    frame->SetWindowPos(nullptr, 0, 0, 200, 300, SWP_NOMOVE | SWP_NOZORDER);
    CRect now;
    frame->GetClientRect(&now);
    EXPECT_EQ(InFrame(*top).Width(), now.Width());
    EXPECT_EQ(InFrame(second).right, now.Width());
    EXPECT_EQ(InFrame(view), CRect(0, 30, now.Width(), now.Height()));

    // Hidden, a bar gives its room back.
    frame->ShowControlBar(&bar, FALSE, FALSE);
    frame->ShowControlBar(&second, FALSE, TRUE);
    ASSERT_TRUE(PumpMessagesUntil([&] { return InFrame(view).top == 0; }, 2000))
        << "a delayed layout arrives without the thread idling";
}

TEST_F(DockingTest, FloatingKeepsTheBarToggleDockingBringsItBackAndDraggingDocksAtTheEdgeUnderTheMouse)
{
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    frame->FloatControlBar(&bar, CPoint(300, 200));
    ASSERT_TRUE(bar.IsFloating());
    CFrameWnd* floating = bar.GetParentFrame();
    ASSERT_TRUE(floating && floating->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_TRUE(floating->IsWindowVisible());
    CRect rect;
    floating->GetWindowRect(&rect);
    EXPECT_EQ(rect.TopLeft(), CPoint(300, 200));
    floating->GetClientRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(120, 30)) << "floating frames fit their bar";
    EXPECT_EQ(InFrame(view), client) << "the edge it left is empty";
    EXPECT_EQ(bar.m_pDockSite, frame);

    // Closing the floating frame hides the bar; showing it brings the frame back.
    HWND floatingWnd = floating->m_hWnd;
    floating->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindowVisible(floatingWnd));
    frame->ShowControlBar(&bar, TRUE, FALSE);
    EXPECT_TRUE(::IsWindowVisible(floatingWnd));

    bar.m_pDockContext->ToggleDocking();
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_EQ(bar.GetParent()->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT) << "back where it last sat";
    EXPECT_EQ(InFrame(bar), CRect(0, 0, 40, 90));
    EXPECT_TRUE(PumpMessagesUntil([&] { return !::IsWindow(floatingWnd); }, 2000))
        << "an empty floating frame goes away";

    bar.m_pDockContext->ToggleDocking();
    bar.GetParentFrame()->GetWindowRect(&rect);
    EXPECT_EQ(rect.TopLeft(), CPoint(300, 200)) << "floats again where it last floated";

    // Dragging docks at the edge under the mouse and floats elsewhere.
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    Drag(bar, CPoint(60, 15), CPoint(10, 200));
    EXPECT_EQ(bar.GetParent()->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(InFrame(bar), CRect(0, 0, 40, 90));
    EXPECT_EQ(::GetCapture(), nullptr);

    Drag(bar, CPoint(20, 45), CPoint(20, client.bottom - 5), true);
    EXPECT_EQ(bar.GetParent()->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT) << "Escape drops nothing";

    Drag(bar, CPoint(20, 45), CPoint(300, 150));
    ASSERT_TRUE(bar.IsFloating());
    Drag(bar, CPoint(20, 15), CPoint(300, client.bottom));
    EXPECT_EQ(bar.GetParent()->GetDlgCtrlID(), AFX_IDW_DOCKBAR_BOTTOM);
    EXPECT_EQ(InFrame(bar).bottom, client.bottom);
}

TEST(UpdateDialogControls, HandlersDecideAndControlsWithoutOneAreDisabledOnRequest)
{
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_NAME_DIALOG));
    CAgreeTarget target;
    dialog.UpdateDialogControls(&target, FALSE);
    EXPECT_FALSE(dialog.GetDlgItem(IDC_NAME)->IsWindowEnabled());
    EXPECT_TRUE(dialog.GetDlgItem(IDOK)->IsWindowEnabled()) << "left alone without a handler";
    dialog.UpdateDialogControls(&target, TRUE);
    EXPECT_FALSE(dialog.GetDlgItem(IDOK)->IsWindowEnabled());
    EXPECT_TRUE(dialog.GetDlgItem(IDC_AGREE)->IsWindowEnabled()) << "a check box works on its own";
    dialog.DestroyWindow();
    CWnd::DeleteTempMap();
}
