#include "SkinsTour.h"

#include "MainFrame.h"
#include "resource.h"

#include "tnwmfcut.h"

#include <memory>

namespace {

const int kStatusHeight = 24;
const COLORREF kSkinBackground = RGB(36, 44, 60);
const COLORREF kClipColour = RGB(70, 130, 220);

// The clip's span as a bar below the ruler; the time as text at the right.
class CClipTimeline : public CTimelineWindow {
public:
    CClipTimeline()
    {
        mXOrigin = 16;
        mYOrigin = 12;
        SetThumbBitmapId(IDB_SKIN_THUMB);
    }
    CString GetTimeText() override { return CString("Position ") + UTimecodeUtils::Format(GetTime()); }
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override
    {
        return object ? new CClipNode(this) : nullptr;
    }

private:
    class CClipNode : public CDurationNode {
    public:
        using CDurationNode::CDurationNode;
        void DrawDuration(CDC* dc, int startX, int endX, int xOrigin, int yOrigin) override
        {
            CRect bar(xOrigin + startX, yOrigin + 20, xOrigin + endX, yOrigin + 34);
            UDrawingUtils::FillRect(dc, &bar, kClipColour);
            dc->SetBkMode(TRANSPARENT);
            dc->SetTextColor(RGB(255, 255, 255));
            dc->DrawText(CString(" clip 01"), &bar, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        }
    };
};

// The skinned face of the main window: a dark panel over the client area with the
// transport buttons and the timeline where the skin puts them. The panel paints under
// its children too, and gives the buttons its own colour, so that the dark face shows
// around the round buttons however the system fills their cut-out corners.
class CSkinPanel : public CWnd {
public:
    CSkinPanel() { mBackground.CreateSolidBrush(kSkinBackground); }

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* dc)
    {
        CRect client;
        GetClientRect(&client);
        dc->FillRect(&client, &mBackground);
        return TRUE;
    }
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind)
    {
        if (kind == CTLCOLOR_BTN)
            return static_cast<HBRUSH>(mBackground.m_hObject);
        return CWnd::OnCtlColor(dc, control, kind);
    }
    DECLARE_MESSAGE_MAP()

private:
    CBrush mBackground;
};

BEGIN_MESSAGE_MAP(CSkinPanel, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// Everything the skin steps share, from SwitchToSkin to LeaveSkin.
struct SkinState {
    std::unique_ptr<CSkinFolder> folder;
    CSkinPanel panel;
    CSkinButton play;
    CSkinButton stop;
    CSkinButton record;
    CClipTimeline timeline;
    CPersistList clips{ true };
    CDuration* clip = nullptr;
    std::unique_ptr<CSkinWindowLocation> locations[4];
};

std::unique_ptr<SkinState> sSkin;

CString Describe(const CSkinLocation& location, LPCSTR name)
{
    CString line;
    line.Format("%s at (%lu, %lu), %lu x %lu", name, location.GetLeft(), location.GetTop(), location.GetWidth(),
                location.GetHeight());
    return line;
}

// Drags the timeline's thumb as a user would: pressed at its centre, moved in steps to
// x (client coordinates of the timeline), released.
void DragThumbTo(CTour& tour, CTimelineWindow& timeline, int x)
{
    CTimelineThumb& thumb = timeline.GetThumb();
    CRect from;
    thumb.GetWindowRect(&from);
    CPoint at = from.CenterPoint();
    ::SetCursorPos(at.x, at.y);
    thumb.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.Width() / 2, from.Height() / 2));
    CPoint to(x, 0);
    timeline.ClientToScreen(&to);
    const int steps = 8;
    for (int step = 1; step <= steps; ++step) {
        ::SetCursorPos(at.x + (to.x - at.x) * step / steps, at.y);
        thumb.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, 0);
        tour.Pump(20);
    }
    thumb.SendMessage(WM_LBUTTONUP, 0, 0);
    tour.Pump(100);
}

} // namespace

namespace SkinsTour {

void SwitchToSkin(CTour& tour, CMainFrame* frame)
{
    sSkin = std::make_unique<SkinState>();
    SkinState& skin = *sSkin;
    const std::string folder = UDirectoryUtils::GetAppDirectory() + "skin\\";
    skin.folder = std::make_unique<CSkinFolder>(folder.c_str());

    CRect client;
    frame->GetClientRect(&client);
    client.bottom -= kStatusHeight;
    if (!skin.panel.Create(nullptr, "", WS_VISIBLE, client, frame, 105)) {
        tour.Say("the skin panel could not be created");
        return;
    }
    struct {
        CSkinButton* button;
        UINT bitmap;
        LPCSTR name;
    } buttons[] = {
        { &skin.play, IDB_SKIN_PLAY, "Play" },
        { &skin.stop, IDB_SKIN_STOP, "Stop" },
        { &skin.record, IDB_SKIN_RECORD, "Record" },
    };
    // Created where the application would put them without a skin: in a row at the top
    // left, the timeline below them.
    int i = 0;
    for (auto& button : buttons) {
        button.button->SetBitmapId(button.bitmap);
        button.button->Create(button.name, WS_CHILD | WS_VISIBLE, CRect(8 + i * 40, 8, 40 + i * 40, 40), &skin.panel,
                              200 + i);
        skin.locations[i] = std::make_unique<CSkinWindowLocation>(button.name, button.button);
        ++i;
    }
    skin.timeline.Create(WS_VISIBLE, CRect(8, 48, 408, 128), &skin.panel, 210);
    skin.locations[3] = std::make_unique<CSkinWindowLocation>("Timeline", &skin.timeline);
    skin.stop.EnableWindow(FALSE);

    CSkinFolder::LoadAll();
    tour.Say(CString("the main window takes the sample skin from ") + skin.folder->GetFolder() + "skin.ini:");
    const LPCSTR names[] = { "Play", "Stop", "Record", "Timeline" };
    for (int n = 0; n < 4; ++n)
        tour.Say(CString("  ") + Describe(*skin.locations[n], names[n]));
    CRgn shape;
    shape.CreateRectRgn(0, 0, 0, 0);
    skin.play.GetWindowRgn(static_cast<HRGN>(shape.m_hObject));
    tour.Say(shape.PtInRegion(0, 0) || !shape.PtInRegion(16, 16)
                 ? "the Play button is not round"
                 : "the buttons are round: their corners are cut out by the pictures' key colour");
    tour.Pump(200);
    tour.Screenshot("skin-buttons");

    skin.play.SendMessage(BM_SETSTATE, TRUE);
    tour.Pump(100);
    tour.Say("Play shown pressed (its second frame), Stop disabled (its fourth)");
    tour.Screenshot("skin-button-pressed");
    skin.play.SendMessage(BM_SETSTATE, FALSE);
}

void EditClipOnTimeline(CTour& tour)
{
    if (!sSkin || !sSkin->timeline.m_hWnd)
        return;
    SkinState& skin = *sSkin;
    CClipTimeline& timeline = skin.timeline;
    skin.clip = new CDuration;
    skin.clip->SetMax(50.0);
    skin.clips.Add(skin.clip);
    timeline.SetObject(&skin.clips);
    tour.Say("clip 01 (50 seconds) on the timeline, from 0:00.0 to 0:50.0");
    tour.Pump(100);
    tour.Screenshot("timeline-clip");

    // 10 pixels per second from the x origin.
    DragThumbTo(tour, timeline, 16 + 120);
    skin.clip->SetStart(timeline.GetTime());
    CString line;
    line.Format("thumb dragged to %s: the in point is set there", UTimecodeUtils::Format(timeline.GetTime()));
    tour.Say(line);
    DragThumbTo(tour, timeline, 16 + 385);
    skin.clip->SetEnd(timeline.GetTime());
    // Each text is copied before the next is formatted: they share a temporary buffer.
    const CString at = UTimecodeUtils::Format(timeline.GetTime());
    const CString start = UTimecodeUtils::Format(skin.clip->GetStart());
    const CString end = UTimecodeUtils::Format(skin.clip->GetEnd());
    line.Format("thumb dragged to %s: the out point is set there; the clip now runs %s to %s",
                static_cast<LPCSTR>(at), static_cast<LPCSTR>(start), static_cast<LPCSTR>(end));
    tour.Say(line);
    tour.Pump(100);
    tour.Screenshot("timeline-in-out");
}

void LeaveSkin(CTour& tour)
{
    if (!sSkin)
        return;
    CSkinFolder::SaveAll();
    sSkin->timeline.SetObject(nullptr);
    for (auto& location : sSkin->locations)
        location.reset();
    sSkin->panel.DestroyWindow();
    sSkin.reset();
    tour.Say("the skin's places are saved back to skin.ini and the main window returns to its own face");
}

} // namespace SkinsTour
