#include "dialogs/DesktopDrag.h"

BEGIN_MESSAGE_MAP(CDesktopDrag, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CDesktopDrag::CDesktopDrag() = default;

CDesktopDrag::~CDesktopDrag()
{
    Reset();
}

void CDesktopDrag::StartTracking()
{
    if (mTracking || !m_hWnd)
        return;
    mTracking = true;
    SetCapture();
}

void CDesktopDrag::Reset()
{
    mIndicator.reset();
}

void CDesktopDrag::OnLButtonDown(UINT, CPoint point)
{
    Reset();
    mIndicator = std::make_unique<tnwwndut::CDragIndicator>(::GetDesktopWindow());
    ClientToScreen(&point);
    mIndicator->Drag(point);
}

void CDesktopDrag::OnMouseMove(UINT, CPoint point)
{
    if (!mIndicator)
        return;
    ClientToScreen(&point);
    mIndicator->Drag(point);
}

void CDesktopDrag::OnLButtonUp(UINT, CPoint point)
{
    if (!mIndicator)
        return;
    ClientToScreen(&point);
    mIndicator->Drag(point);
    mSelection = mIndicator->GetDrawRect();
    Reset();
    // Cleared first: the capture's end comes back as a capture change.
    mTracking = false;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CDesktopDrag::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd != this) {
        Reset();
        mTracking = false;
    }
    CWnd::OnCaptureChanged(pWnd);
}
