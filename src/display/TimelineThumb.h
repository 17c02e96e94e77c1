#pragma once
#include "afxwin.h"
#include "skins/SkinObject.h"

#include "tnwbscut.h"

// The pointer a timeline (CTimelineWindow) shows at its current time: a small child
// window that paints its picture through the picture's shape and reports the mouse to
// whoever listens to its broadcaster (the timeline), each report before the message's
// default handling and with null pointers:
// - kPressed: the left button went down on the thumb;
// - kMoved: the mouse moved with the left button, and nothing else, held down;
// - kReleased: the left button came up.
// Where the thumb goes is the listener's business.
class AFX_EXT_CLASS CTimelineThumb : public CWnd {
public:
    static constexpr long kPressed = 0x0065FA60;
    static constexpr long kMoved = 0x0065FA61;
    static constexpr long kReleased = 0x0065FA62;

    CTimelineThumb();
    ~CTimelineThumb() override;

    CSkinObject& GetImage() { return mImage; }
    CBroadcaster& GetBroadcaster() { return mBroadcaster; }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CSkinObject mImage;
    CBroadcaster mBroadcaster;
};
