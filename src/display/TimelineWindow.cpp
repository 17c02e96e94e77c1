#include "display/TimelineWindow.h"

#include "util/DrawingUtils.h"

#include <algorithm>
#include <cmath>

constexpr long CTimelineWindow::kTimeSet;
constexpr long CTimelineWindow::kTimeDragged;
constexpr COLORREF CTimelineWindow::kRulerShadow;
constexpr COLORREF CTimelineWindow::kRulerLight;

BEGIN_MESSAGE_MAP(CTimelineWindow, CObjectNodeWindow)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CTimelineWindow::CTimelineWindow()
{
    // The time text keeps its width at the right edge and stretches with the height.
    mTimeTextLocator.SetLocation(256, 0, 256, 256);
}

CTimelineWindow::~CTimelineWindow()
{
    // While this class is whole, so that Deinitialize runs.
    if (m_hWnd)
        DestroyWindow();
}

int CTimelineWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CObjectNodeWindow::OnCreate(lpCreateStruct) == -1)
        return -1;
    Initialize();
    return 0;
}

void CTimelineWindow::OnDestroy()
{
    Deinitialize();
    CObjectNodeWindow::OnDestroy();
}

void CTimelineWindow::Initialize()
{
    if (mThumb.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 13, 7), this, 0)) {
        mThumb.ShowWindow(SW_SHOW);
        mThumb.GetImage().SetBitmapId(mThumbBitmapId);
        mThumb.GetBroadcaster().AddListener(this);
    }
    if (mTimeText.Create("", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SS_RIGHT, CRect(0, 0, 0, 0), this,
                         kTimeTextId)) {
        CRect client;
        GetClientRect(&client);
        const int x = client.right - mXOrigin - kTimeTextWidth;
        const int y = mYOrigin + mRulerHeight + 1;
        mTimeText.MoveWindow(x, y, kTimeTextWidth, std::max(0, static_cast<int>(client.bottom) - 1 - y), FALSE);
        mTimeTextLocator.SetWindow(&mTimeText);
        mTimeText.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(UDrawingUtils::GetSmallFont()->m_hObject), FALSE);
        mTimeText.ShowWindow(SW_SHOW);
    }
    ReflectTime();
}

void CTimelineWindow::Deinitialize()
{
    if (mDragging) {
        mDragging = false;
        if (mThumb.m_hWnd && ::GetCapture() == mThumb.m_hWnd)
            ::ReleaseCapture();
    }
    mThumb.GetBroadcaster().RemoveListener(this);
    if (mThumb.m_hWnd)
        mThumb.DestroyWindow();
    mTimeTextLocator.SetWindow(nullptr);
    if (mTimeText.m_hWnd)
        mTimeText.DestroyWindow();
}

void CTimelineWindow::OnSize(UINT nType, int cx, int cy)
{
    CObjectNodeWindow::OnSize(nType, cx, cy);
    mTimeTextLocator.Move(this);
}

HBRUSH CTimelineWindow::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (pWnd && pWnd->GetDlgCtrlID() == kTimeTextId) {
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(UDrawingUtils::GetWhiteBrush()->m_hObject);
    }
    return CObjectNodeWindow::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CTimelineWindow::SetTime(double time, bool byDragging)
{
    const double valid = ValidateTime(time);
    if (std::isfinite(valid) && valid != mTime)
        SetTimeSelf(valid, byDragging);
}

void CTimelineWindow::SetTimeSelf(double time, bool)
{
    const CString oldText = UTimecodeUtils::Format(mTime);
    mTime = time;
    ReflectTime();
    if (oldText != UTimecodeUtils::Format(mTime))
        UDrawingUtils::Refresh(this);
    Broadcast(kTimeSet, nullptr, nullptr);
}

double CTimelineWindow::ValidateTime(double time)
{
    return time;
}

void CTimelineWindow::ReflectTime()
{
    if (!mDragging && mThumb.m_hWnd) {
        const int x = UDrawingUtils::RoundToPixel(mTime * GetPixelPerSecond());
        CSkinObject& image = mThumb.GetImage();
        const int width = static_cast<int>(image.GetWidth());
        const int left = static_cast<int>(std::clamp<long long>(static_cast<long long>(x) + mXOrigin - width / 2,
                                                                -0x4000000, 0x4000000));
        mThumb.MoveWindow(left, mYOrigin - 2, width, static_cast<int>(image.GetHeight()), TRUE);
    }
    if (mTimeText.m_hWnd) {
        const CString text = GetTimeText();
        CString shown;
        mTimeText.GetWindowText(shown);
        if (text != shown)
            mTimeText.SetWindowText(text);
    }
}

void CTimelineWindow::DragTime()
{
    const double perSecond = GetPixelPerSecond();
    if (perSecond == 0.0 || !mThumb.m_hWnd)
        return;
    CRect thumb;
    mThumb.GetWindowRect(&thumb);
    ScreenToClient(&thumb);
    const int centre = (thumb.left + thumb.right) / 2;
    SetTime((centre - mXOrigin) / perSecond, true);
    Broadcast(kTimeDragged, nullptr, nullptr);
}

CString CTimelineWindow::GetTimeText()
{
    return CString();
}

double CTimelineWindow::GetPixelPerSecond()
{
    return 10.0;
}

void CTimelineWindow::DrawTime(CDC*) {}

double CTimelineWindow::GetXScale()
{
    return GetPixelPerSecond();
}

void CTimelineWindow::Draw(CDC* dc)
{
    CObjectNodeWindow::Draw(dc);
    DrawTime(dc);
}

void CTimelineWindow::DrawBackground(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    UDrawingUtils::FillRect(dc, &client, RGB(255, 255, 255));
    dc->DrawFocusRect(&client);
    CRect ruler(mXOrigin, mYOrigin, client.right - mXOrigin, mYOrigin + mRulerHeight);
    ruler.InflateRect(1, 1);
    dc->Draw3dRect(&ruler, kRulerShadow, kRulerLight);
}

CObjectDisplay* CTimelineWindow::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CDurationNode(this) : nullptr;
}

void CTimelineWindow::DisplayChanged(CObjectDisplay* changed)
{
    CObjectNodeWindow::DisplayChanged(changed);
    UDrawingUtils::Refresh(this);
}

bool CTimelineWindow::ListenToMessage(long code, const void* sender, const void* extra)
{
    switch (code) {
    case CTimelineThumb::kPressed:
        StartDragging();
        return true;
    case CTimelineThumb::kMoved:
        Dragging();
        return true;
    case CTimelineThumb::kReleased:
        StopDragging();
        return true;
    default:
        return CObjectNodeWindow::ListenToMessage(code, sender, extra);
    }
}

void CTimelineWindow::StartDragging()
{
    if (mDragging)
        return;
    if (mThumb.m_hWnd)
        mThumb.SetCapture();
    mDragging = true;
    ::GetCursorPos(&mLastCursor);
}

void CTimelineWindow::Dragging()
{
    if (!mDragging)
        return;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    DragThumb(cursor);
}

void CTimelineWindow::StopDragging()
{
    if (!mDragging)
        return;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    DragThumb(cursor);
    mDragging = false;
    if (mThumb.m_hWnd && ::GetCapture() == mThumb.m_hWnd)
        ::ReleaseCapture();
}

void CTimelineWindow::DragThumb(CPoint& screenPoint)
{
    if (!mThumb.m_hWnd)
        return;
    CPoint point = screenPoint;
    ScreenToClient(&point);
    CRect client;
    GetClientRect(&client);
    const int lowest = mXOrigin;
    const int highest = std::max(lowest, static_cast<int>(client.Width()) - mXOrigin);
    point.x = std::clamp(static_cast<int>(point.x), lowest, highest);
    CRect thumb;
    mThumb.GetWindowRect(&thumb);
    ScreenToClient(&thumb);
    mThumb.MoveWindow(point.x - thumb.Width() / 2, thumb.top, thumb.Width(), thumb.Height(), TRUE);
    ClientToScreen(&point);
    mLastCursor = point;
    DragTime();
}
