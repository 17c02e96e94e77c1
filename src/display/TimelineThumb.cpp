#include "display/TimelineThumb.h"

constexpr long CTimelineThumb::kPressed;
constexpr long CTimelineThumb::kMoved;
constexpr long CTimelineThumb::kReleased;

BEGIN_MESSAGE_MAP(CTimelineThumb, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CTimelineThumb::CTimelineThumb() = default;

CTimelineThumb::~CTimelineThumb()
{
    if (m_hWnd)
        DestroyWindow();
}

void CTimelineThumb::OnLButtonDown(UINT, CPoint)
{
    mBroadcaster.Broadcast(kPressed, nullptr, nullptr);
    Default();
}

void CTimelineThumb::OnMouseMove(UINT nFlags, CPoint)
{
    if (nFlags == MK_LBUTTON)
        mBroadcaster.Broadcast(kMoved, nullptr, nullptr);
    Default();
}

void CTimelineThumb::OnLButtonUp(UINT, CPoint)
{
    mBroadcaster.Broadcast(kReleased, nullptr, nullptr);
    Default();
}

void CTimelineThumb::OnPaint()
{
    CPaintDC dc(this);
    if (mImage.Load()) {
        mImage.TransparentBitBlt(&dc, 0, 0, static_cast<int>(mImage.GetWidth()), static_cast<int>(mImage.GetHeight()),
                                 mImage.GetMemoryDC(), 0, 0);
    }
}
