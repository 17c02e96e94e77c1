#include "display/TimelineWindow.h"

#include "MemoryCanvas.h"
#include "HeardBroadcasts.h"
#include "MessagePump.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Hands out whatever doubles a test puts in, as a damaged file would.
class CDoubleStorage : public CPersistStorage {
public:
    using CPersistStorage::Load;
    std::map<std::string, double> values;
    void Load(const char* name, double& value) override { value = values[name]; }
};

// A timeline laid out as an application lays out its own: the ruler 20 pixels in from
// each side, 10 pixels from the top. It records the spans its nodes are asked to draw.
class CSpanTimeline : public CTimelineWindow {
public:
    class CSpanNode : public CDurationNode {
    public:
        CSpanNode(CObjectDisplay* parent, std::vector<std::pair<int, int>>& spans) : CDurationNode(parent), mSpans(spans) {}
        void DrawDuration(CDC*, int startX, int endX, int, int) override { mSpans.emplace_back(startX, endX); }

    private:
        std::vector<std::pair<int, int>>& mSpans;
    };
    CSpanTimeline()
    {
        mXOrigin = 20;
        mYOrigin = 10;
        SetThumbBitmapId(IDB_THUMB);
    }
    CString GetTimeText() override { return UTimecodeUtils::Format(GetTime()); }
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override
    {
        return object ? new CSpanNode(this, spans) : nullptr;
    }
    std::vector<std::pair<int, int>> spans;
};

// A duration's start, end and maximum.
std::vector<double> Span(const CDuration& duration)
{
    return { duration.GetStart(), duration.GetEnd(), duration.GetMax() };
}

// A duration of a timeline, from start to end.
CDuration* NewSpan(double start, double end)
{
    auto* span = new CDuration;
    span->SetEnd(end);
    span->SetStart(start);
    return span;
}

CRect ChildRect(CWnd& child, CWnd& parent)
{
    CRect rect;
    child.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    return rect;
}

} // namespace

TEST(DurationTest, KeepsStartAndEndInOrderWithinTheMaximumAndTellsOnlyRealChanges)
{
    CDuration fresh;
    CHeardBroadcasts log;
    fresh.AddListener(&log);
    EXPECT_FALSE(fresh.SetStart(5)) << "no start before an end";
    EXPECT_TRUE(log.codes.empty());
    EXPECT_TRUE(fresh.SetMax(60));
    EXPECT_EQ(fresh.GetEnd(), 60.0);
    EXPECT_EQ(log.codes, (std::vector<long>{ CDuration::kMaxChanged, CDuration::kEndChanged }));
    // Which changes took (a braced list runs in order).
    EXPECT_EQ((std::vector<bool>{ fresh.SetStart(5), fresh.SetStart(5), fresh.SetMax(-1), fresh.SetMax(std::nan("")),
                                  fresh.SetEnd(30), fresh.SetEnd(90), fresh.SetStart(70) }),
              (std::vector<bool>{ true, false, false, false, true, true, true }));
    EXPECT_EQ(Span(fresh), (std::vector<double>{ 0, 60, 60 })) << "a start past the maximum is reset, not clamped";

    CDuration span;
    span.SetMax(100);
    span.SetEnd(20);
    span.SetStart(10);
    EXPECT_FALSE(span.SetEnd(5) || span.SetStart(30) || span.SetEnd(std::nan("")));
    EXPECT_EQ(Span(span), (std::vector<double>{ 10, 20, 100 }));
    EXPECT_TRUE(span.SetDuration(15));
    EXPECT_EQ(span.GetEnd(), 25.0);

    // Unlimited, then a maximum below both ends.
    std::unique_ptr<CDuration> clip(NewSpan(50, 55));
    clip->SetMax(40);
    EXPECT_EQ(Span(*clip), (std::vector<double>{ 0, 40, 40 }));

    // Saved and loaded back as it was, without notices.
    CPersistStorage storage;
    clip->Save("clip", storage);
    unsigned long size = 0;
    unsigned char* image = storage.GetData(size);
    storage.SetData(image, size);
    CDuration loaded;
    loaded.AddListener(&log);
    log.Forget();
    loaded.Load("clip", storage);
    EXPECT_EQ(Span(loaded), (std::vector<double>{ 0, 40, 40 }));
    EXPECT_TRUE(log.codes.empty());
    std::unique_ptr<CPersistObject> created(CMetaClass::CreateObject('dura'));
    EXPECT_TRUE(created && created->IsInstanceOf(CDuration::kDurationType));

    // A damaged file: nothing that is not a number, nothing out of order, gets in.
    CDoubleStorage damaged;
    damaged.values = { { CDuration::kMaxTag, -5.0 },
                       { CDuration::kStartTag, std::numeric_limits<double>::quiet_NaN() },
                       { CDuration::kEndTag, 1e300 } };
    CDuration repaired;
    repaired.LoadSelf("clip", damaged);
    EXPECT_EQ(Span(repaired), (std::vector<double>{ 0, 1e300, 0 }));
    damaged.values = { { CDuration::kMaxTag, 30.0 }, { CDuration::kStartTag, 45.0 }, { CDuration::kEndTag, 10.0 } };
    repaired.LoadSelf("clip", damaged);
    EXPECT_EQ(Span(repaired), (std::vector<double>{ 30, 30, 30 }));
}

TEST(TimelineTest, DrawsTheRulerAndEachSpanOfAtLeastAPixelAndTheThumbSetsTheTimeWithinTheRuler)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "timeline parent", WS_POPUP | WS_VISIBLE, 0, 0, 320, 100, nullptr, nullptr));
    CSpanTimeline timeline;
    ASSERT_TRUE(timeline.Create(WS_VISIBLE, CRect(0, 0, 300, 60), &parent, 5));

    CMemoryCanvas canvas(300, 60, RGB(0, 0, 0));
    timeline.DrawBackground(&canvas.DC());
    // The ruler box, grown by a pixel: x 19..280, y 9..24; shadow top and left, light
    // bottom and right, white inside and around it.
    const COLORREF shadow = CTimelineWindow::kRulerShadow, light = CTimelineWindow::kRulerLight, white = RGB(255, 255, 255);
    EXPECT_EQ((std::vector<COLORREF>{ canvas.Pixel(100, 9), canvas.Pixel(19, 15), canvas.Pixel(100, 24), canvas.Pixel(280, 15),
                                      canvas.Pixel(100, 15), canvas.Pixel(100, 40), canvas.Pixel(18, 15) }),
              (std::vector<COLORREF>{ shadow, shadow, light, light, white, white, white }));

    CPersistList clips(true);
    CDuration* clip = NewSpan(2.0, 12.0);
    clips.Add(NewSpan(1.0, 1.02));
    clips.Add(clip);
    clips.Add(NewSpan(7000.0, 8000.0));
    timeline.SetObject(&clips);
    timeline.Draw(&canvas.DC());
    // At 10 pixels per second; the tiny span gives 10 and 10 and is not drawn, the distant
    // one lies past 65535 pixels and is drawn where it is.
    EXPECT_EQ(timeline.spans, (std::vector<std::pair<int, int>>{ { 20, 120 }, { 70000, 80000 } }));

    // A change of the span repaints the window.
    ::ValidateRect(timeline.m_hWnd, nullptr);
    clip->SetEnd(13.0);
    EXPECT_TRUE(::GetUpdateRect(timeline.m_hWnd, nullptr, FALSE));
    timeline.SetObject(nullptr);

    CHeardBroadcasts watcher;
    timeline.AddListener(&watcher);
    CTimelineThumb& thumb = timeline.GetThumb();
    ASSERT_TRUE(thumb.m_hWnd);
    ASSERT_EQ(thumb.GetImage().GetWidth(), 13u);

    // The time text sits at the right below the ruler and follows the right edge.
    CStatic& text = timeline.GetTimeTextControl();
    EXPECT_EQ(ChildRect(text, timeline), CRect(140, 25, 280, 59));
    timeline.SetTime(3.0, false);
    EXPECT_EQ(watcher.Count(CTimelineWindow::kTimeSet), 1);
    EXPECT_EQ(ChildRect(thumb, timeline), CRect(44, 8, 57, 17)) << "centred on x 50";
    CString shown;
    text.GetWindowText(shown);
    EXPECT_EQ(shown, "0:03.0");

    // The same time, or no number, is no change.
    timeline.SetTime(3.0, false);
    timeline.SetTime(std::nan(""), false);
    EXPECT_EQ(watcher.Count(CTimelineWindow::kTimeSet), 1);
    EXPECT_EQ(timeline.GetTime(), 3.0);
    // A change of the text repaints the whole window (moving the thumb alone would
    // repaint only where it was).
    ::ValidateRect(timeline.m_hWnd, nullptr);
    timeline.SetTime(3.5, false);
    CRect update;
    ::GetUpdateRect(timeline.m_hWnd, &update, FALSE);
    EXPECT_EQ(update, CRect(0, 0, 300, 60));
    // A time far past any screen still places the thumb somewhere sane.
    timeline.SetTime(1e300, false);
    EXPECT_GT(ChildRect(thumb, timeline).left, 300);

    timeline.MoveWindow(0, 0, 320, 60);
    EXPECT_EQ(ChildRect(text, timeline), CRect(160, 25, 300, 59));

    // A press on the thumb captures the mouse for it; the drag holds the thumb within the
    // ruler and takes the time from its centre.
    thumb.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ASSERT_TRUE(timeline.IsDragging());
    EXPECT_EQ(::GetCapture(), thumb.m_hWnd);
    CPoint point;
    auto dragTo = [&](int x) {
        point = CPoint(x, 30);
        timeline.ClientToScreen(&point);
        timeline.DragThumb(point);
        return timeline.GetTime();
    };
    EXPECT_EQ(dragTo(-500), 0.0);
    EXPECT_EQ(dragTo(5000), (320 - 2 * 20) / 10.0);
    EXPECT_EQ(ChildRect(thumb, timeline).top, 8);
    EXPECT_EQ(dragTo(95), 7.5);
    EXPECT_EQ(watcher.Count(CTimelineWindow::kTimeDragged), 3);
    ::SetCursorPos(point.x, point.y);
    thumb.SendMessage(WM_LBUTTONUP, 0, 0);
    EXPECT_FALSE(timeline.IsDragging());
    EXPECT_NE(::GetCapture(), thumb.m_hWnd);

    // A window narrower than both margins holds the thumb at the origin.
    timeline.MoveWindow(0, 0, 30, 60);
    timeline.StartDragging();
    timeline.DragThumb(point);
    EXPECT_EQ(timeline.GetTime(), 0.0);
    timeline.StopDragging();

    timeline.RemoveListener(&watcher);
    parent.DestroyWindow();
    EXPECT_FALSE(thumb.m_hWnd);
}
