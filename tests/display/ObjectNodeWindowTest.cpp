#include "DisplayTests.h"
#include "MemoryCanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#undef GetObject

using tnwmfcut::CDragIndicator;

namespace {

// A clip on a storyboard: a square of a colour at a place of the board's coordinates.
class CClip : public CPersistList {
public:
    CClip(double x, double y, COLORREF colour) : CPersistList(true), x(x), y(y), colour(colour) {}
    void MoveTo(const RealPoint& point)
    {
        x = point.x;
        y = point.y;
        Notify(kObjectChanged, 0, 0);
    }
    double x;
    double y;
    COLORREF colour;
};

const double kClipSize = 2.0;

// Follows the mouse while a clip is dragged; counts what it draws and how many live.
class CClipIndicator : public CDragIndicator {
public:
    CClipIndicator(CWnd* window, double xScale, double yScale, int xOrigin, int yOrigin)
        : CDragIndicator(window, xScale, yScale, xOrigin, yOrigin)
    {
        ++sAlive;
    }
    ~CClipIndicator() override { --sAlive; }
    bool StartDragSelf(RealPoint& point) override
    {
        SetDragType(static_cast<DragT>(1));
        mCurrentPoint = point;
        return true;
    }
    void Draw(CDC*) override { ++sDraws; }
    static int sAlive;
    static int sDraws;
};
int CClipIndicator::sAlive = 0;
int CClipIndicator::sDraws = 0;

class CClipNode : public CObjectNode {
public:
    using CObjectNode::CObjectNode;
    static int sActions;

    CClip* Clip() { return static_cast<CClip*>(GetObject()); }
    CRect Square(double xScale, double yScale, int xOrigin, int yOrigin)
    {
        return CRect(int(Clip()->x * xScale) + xOrigin, int(Clip()->y * yScale) + yOrigin,
                     int((Clip()->x + kClipSize) * xScale) + xOrigin, int((Clip()->y + kClipSize) * yScale) + yOrigin);
    }
    void DrawSelf(CDC* dc, double xScale, double yScale, int xOrigin, int yOrigin) override
    {
        CRect square = Square(xScale, yScale, xOrigin, yOrigin);
        dc->FillSolidRect(&square, Clip()->colour);
    }
    CDragIndicator* StartDragging(CPoint& point, double xScale, double yScale, int xOrigin, int yOrigin) override
    {
        if (!Square(xScale, yScale, xOrigin, yOrigin).PtInRect(point))
            return nullptr;
        auto* indicator = new CClipIndicator(GetTopDisplay() ? dynamic_cast<CWnd*>(GetTopDisplay()) : nullptr,
                                             xScale, yScale, xOrigin, yOrigin);
        indicator->StartDrag(point);
        return indicator;
    }
    void ProcessDragging(CDragIndicator* indicator, CPoint& point, double, double, int, int) override
    {
        indicator->Process(point);
    }
    void StopDragging(CDragIndicator* indicator, CPoint& point, double, double, int, int) override
    {
        indicator->EndDrag(point);
    }
    void DragAction(CDragIndicator* indicator, double, double, int, int) override
    {
        ++sActions;
        Clip()->MoveTo(indicator->GetCurrentPoint());
    }
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override { return object ? new CClipNode(this) : nullptr; }
    bool Respond(long code, CBroadcaster* broadcaster, long data1, long data2) override
    {
        if (code == CPersistObject::kObjectChanged && broadcaster == GetObject()) {
            Redraw();
            return true;
        }
        return CObjectNode::Respond(code, broadcaster, data1, data2);
    }
};
int CClipNode::sActions = 0;

// A storyboard: 10 pixels per unit across, 5 down, from (20, 10).
class CBoard : public CObjectNodeWindow {
public:
    CBoard()
    {
        mXScale = 10;
        mYScale = 5;
        mXOrigin = 20;
        mYOrigin = 10;
        SetNested(true);
    }
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override { return object ? new CClipNode(this) : nullptr; }
};

class ObjectNodeWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(board.Create(WS_VISIBLE, CRect(0, 0, 200, 100), &host, 14));
        clips = std::make_unique<CPersistList>(true);
        clips->Add(new CClip(0, 0, RGB(255, 0, 0)));
        clips->Add(new CClip(1, 1, RGB(0, 0, 255)));
        board.SetObject(clips.get());
        CClipIndicator::sAlive = CClipIndicator::sDraws = CClipNode::sActions = 0;
    }
    bool Invalid()
    {
        CRect update;
        return board.m_hWnd && ::GetUpdateRect(board.m_hWnd, &update, FALSE) && !update.IsRectEmpty();
    }
    void Mouse(UINT message, int x, int y) { board.SendMessage(message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y)); }

    CHostWnd host;
    CBoard board;
    std::unique_ptr<CPersistList> clips;
};

} // namespace

TEST(DragIndicator, TranslatesBothWaysAndDrawsEachChangeOnce)
{
    CHostWnd window;
    CClipIndicator indicator(&window, 10, 1, 20, 5);
    // Points to the board's units are the drag test's; here back to points.
    EXPECT_EQ(CPoint(indicator.TranslatePoint(RealPoint{ 5, 10 })), CPoint(70, 15));
    CDragIndicator flat(nullptr, 0, 0, 20, 5);
    EXPECT_DOUBLE_EQ(flat.TranslatePoint(CPoint(70, 15)).x, 0.0) << "a scale of 0 divides nothing";
    EXPECT_EQ(CPoint(flat.TranslatePoint(RealPoint{ 5, 10 })), CPoint(20, 5));
    EXPECT_EQ(CPoint(CDragIndicator(nullptr, 1e300, 1, 0, 0).TranslatePoint(RealPoint{ 1e10, 0 })).x, INT_MAX);

    RealPoint nowhere{ 0, 0 };
    EXPECT_FALSE(flat.EndDrag(nowhere)) << "no drag runs";
    CClipIndicator::sDraws = 0;
    indicator.Refresh(true);
    indicator.Refresh(true);
    EXPECT_EQ(CClipIndicator::sDraws, 1);
    indicator.Refresh(false);
    EXPECT_EQ(CClipIndicator::sDraws, 2);

    POINT a{ 10, 10 }, b{ 14, 14 }, c{ 15, 10 };
    EXPECT_TRUE(CDragIndicator::CloseTo(a, b));
    EXPECT_FALSE(CDragIndicator::CloseTo(a, c));
}

TEST_F(ObjectNodeWindowTest, NodesDrawInListOrderAndAnyChangeInvalidatesTheWindow)
{
    CMemoryCanvas canvas(200, 100, RGB(255, 255, 255));
    static_cast<CClip*>(clips->GetAt(0))->Add(new CClip(0.5, 0.5, RGB(0, 255, 0)));
    board.Draw(&canvas.DC());
    EXPECT_EQ(canvas.Pixel(21, 11), RGB(255, 0, 0)) << "first clip";
    EXPECT_EQ(canvas.Pixel(27, 14), RGB(0, 255, 0)) << "its own clip, drawn after it";
    EXPECT_EQ(canvas.Pixel(33, 18), RGB(0, 0, 255)) << "the second clip over both";
    EXPECT_EQ(canvas.Pixel(55, 30), RGB(255, 255, 255));

    // A node's redraw, an added and a removed node all reach the window.
    const std::function<void()> changes[] = { [&] { board.Redraw(); },
                                              [&] { static_cast<CClip*>(clips->GetAt(1))->MoveTo(RealPoint{ 3, 3 }); },
                                              [&] { clips->Add(new CClip(5, 5, 0)); }, [&] { clips->DeleteAt(2); } };
    for (const auto& change : changes) {
        ::ValidateRect(board.m_hWnd, nullptr);
        change();
        EXPECT_TRUE(Invalid()) << &change - changes;
    }
}

TEST_F(ObjectNodeWindowTest, TheFirstNodeThatTakesAPressIsDraggedUntilTheRelease)
{
    Mouse(WM_LBUTTONDOWN, 150, 80);
    EXPECT_EQ(board.GetDraggedNode(), nullptr);
    EXPECT_NE(::GetCapture(), board.m_hWnd) << "a press on no node takes no mouse";
    Mouse(WM_LBUTTONUP, 150, 80);

    // (32, 17) lies on both clips: the first in the list is dragged.
    Mouse(WM_LBUTTONDOWN, 32, 17);
    ASSERT_NE(board.GetDraggedNode(), nullptr);
    EXPECT_EQ(board.GetDraggedNode()->GetObject(), clips->GetAt(0));
    EXPECT_EQ(::GetCapture(), board.m_hWnd);
    Mouse(WM_MOUSEMOVE, 70, 35);
    EXPECT_EQ(CClipIndicator::sDraws, 1) << "the feedback follows the mouse";
    Mouse(WM_LBUTTONUP, 70, 35);
    EXPECT_EQ(CClipNode::sActions, 1);
    EXPECT_DOUBLE_EQ(static_cast<CClip*>(clips->GetAt(0))->x, 5.0);
    EXPECT_DOUBLE_EQ(static_cast<CClip*>(clips->GetAt(0))->y, 5.0);
    EXPECT_EQ(CClipIndicator::sAlive, 0);
    EXPECT_EQ(CClipIndicator::sDraws, 2) << "and is taken off at the end";
    EXPECT_EQ(board.GetDraggedNode(), nullptr);
    EXPECT_NE(::GetCapture(), board.m_hWnd);
}

TEST_F(ObjectNodeWindowTest, ADragThatCannotFinishIsAbandonedWithoutChangingItsObject)
{
    CWnd other;
    other.CreateEx(0, "STATIC", "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    const std::pair<const char*, std::function<void()>> losses[] = {
        { "the dragged object is removed", [&] { clips->DeleteAt(1); } },
        { "another window takes the mouse", [&] { ::SetCapture(other.m_hWnd); } },
        { "the system cancels modes", [&] { board.SendMessage(WM_CANCELMODE); } },
        { "a second press", [&] { Mouse(WM_LBUTTONDOWN, 150, 80); } },
        { "the window is destroyed", [&] { board.DestroyWindow(); } },
    };
    for (const auto& loss : losses) {
        if (clips->GetItemCount() < 2)
            clips->Add(new CClip(1, 1, RGB(0, 0, 255)));
        Mouse(WM_LBUTTONDOWN, 42, 22);
        ASSERT_NE(board.GetDraggedNode(), nullptr) << loss.first;
        Mouse(WM_MOUSEMOVE, 90, 40);
        loss.second();
        EXPECT_EQ(board.GetDraggedNode(), nullptr) << loss.first;
        EXPECT_EQ(board.GetDragIndicator(), nullptr) << loss.first;
        EXPECT_EQ(CClipIndicator::sAlive, 0) << loss.first;
        if (board.m_hWnd) {
            EXPECT_NE(::GetCapture(), board.m_hWnd) << loss.first;
            Mouse(WM_LBUTTONUP, 90, 40);
        }
        EXPECT_EQ(CClipNode::sActions, 0) << loss.first;
        ::ReleaseCapture();
    }
    EXPECT_DOUBLE_EQ(static_cast<CClip*>(clips->GetAt(1))->x, 1.0);
    other.DestroyWindow();
}
