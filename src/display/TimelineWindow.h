#pragma once
#include "afxwin.h"
#include "dialogs/WindowLocator.h"
#include "display/DurationNode.h"
#include "display/ObjectNodeWindow.h"
#include "display/TimelineThumb.h"

// A node window that shows durations (CDuration, through CDurationNode) on a time axis
// and carries a thumb that marks the current time: a white background in a focus frame,
// a sunken ruler box from the x origin to the client width less the x origin (ruler
// height pixels high below the y origin), the durations' nodes, and a text at the right,
// below the ruler, showing GetTimeText. Time runs left to right at GetPixelPerSecond
// pixels per second from the x origin.
//
// A deriving window chooses the thumb's picture (SetThumbBitmapId, before the window is
// created), sets the origins, and overrides DrawDuration of its nodes, GetTimeText and
// DrawTime to show what it wants. The base draws no span and shows an empty text.
//
// Time. SetTime(t) stores ValidateTime(t) when that differs from the present time,
// through SetTimeSelf: the thumb moves to the time (ReflectTime), the window is repainted
// when the time's display text ("m:ss.t") changes, and kTimeSet is broadcast from the
// window's display broadcaster. Dragging the thumb sets the time from the thumb's centre
// and broadcasts kTimeDragged after each move; meanwhile the thumb has the mouse and
// stays where the mouse put it.
//
// Decisions of this library:
// - The durations are drawn on the thumb's axis: the x scale is GetPixelPerSecond.
// - A time that is not a finite number is ignored by SetTime.
// - Positions are computed in whole pixels held within the range of an int, so a huge
//   time or scale places the thumb at the far end rather than anywhere.
// - In a window narrower than twice the x origin the thumb is held at the x origin.
// - The time text of the old time is kept in a text of its own while the new one is
//   formatted, so that a change of the text always repaints.
class AFX_EXT_CLASS CTimelineWindow : public CObjectNodeWindow {
public:
    static constexpr long kTimeSet = 0x0086BC5A;
    static constexpr long kTimeDragged = 0x0086BC5B;
    enum { kTimeTextId = 1001, kTimeTextWidth = 140, kDefaultRulerHeight = 14 };
    static constexpr COLORREF kRulerShadow = 0x808080;
    static constexpr COLORREF kRulerLight = 0xE0E0E0;

    CTimelineWindow();
    ~CTimelineWindow() override;

    // The thumb's picture, a bitmap resource; set before the window is created.
    void SetThumbBitmapId(UINT id) { mThumbBitmapId = id; }
    UINT GetThumbBitmapId() const { return mThumbBitmapId; }
    unsigned short GetRulerHeight() const { return mRulerHeight; }
    CTimelineThumb& GetThumb() { return mThumb; }
    CStatic& GetTimeTextControl() { return mTimeText; }

    // Makes the thumb and the time text (at WM_CREATE), and puts them in place.
    virtual void Initialize();
    // Destroys them (at WM_DESTROY).
    virtual void Deinitialize();
    // Stores ValidateTime(time) unless it is the present time. byDragging is true when
    // the thumb was dragged there; the base does not use it.
    virtual void SetTime(double time, bool byDragging);
    virtual void SetTimeSelf(double time, bool byDragging);
    virtual double ValidateTime(double time);
    // Moves the thumb to the time (unless it is being dragged) and updates the text.
    virtual void ReflectTime();
    // Takes the time from the thumb's centre.
    virtual void DragTime();
    virtual CString GetTimeText();
    virtual double GetPixelPerSecond();
    virtual void DrawTime(CDC* dc);

    double GetXScale() override;
    void Draw(CDC* dc) override;
    void DrawBackground(CDC* dc) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void DisplayChanged(CObjectDisplay* changed) override;
    // The thumb's reports start, follow and end a drag.
    bool ListenToMessage(long code, const void* sender, const void* extra) override;

    double GetTime() const { return mTime; }
    using CObjectNodeWindow::StartDragging;
    using CObjectNodeWindow::StopDragging;
    void StartDragging();
    void Dragging();
    void StopDragging();
    // Moves the thumb's centre to the point (screen coordinates), held within the ruler,
    // and sets the time from it.
    void DragThumb(CPoint& screenPoint);
    bool IsDragging() const { return mDragging; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    CWindowLocator mTimeTextLocator;
    CTimelineThumb mThumb;
    CStatic mTimeText;
    UINT mThumbBitmapId = 0;
    bool mDragging = false;
    POINT mLastCursor = {};
    unsigned short mRulerHeight = kDefaultRulerHeight;
    double mTime = 0.0;
};
