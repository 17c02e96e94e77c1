#include "controls/XpHoverButton.h"

BEGIN_MESSAGE_MAP(CXpHoverButton, CXpButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEHOVER()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CXpHoverButton::CXpHoverButton() : mTracking()
{
    mTracking.cbSize = sizeof mTracking;
    mTracking.dwFlags = TME_HOVER;
    mTracking.dwHoverTime = kHoverTime;
}

void CXpHoverButton::TrackHover()
{
    mTracking.hwndTrack = m_hWnd;
    ::TrackMouseEvent(&mTracking);
}

void CXpHoverButton::Release()
{
    mHeld = false;
    mPressTime = 0;
}

void CXpHoverButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!mHeld) {
        mHeld = true;
        mPressTime = ::GetTickCount();
        TrackHover();
    }
    CXpButton::OnLButtonDown(nFlags, point);
}

void CXpHoverButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    Release();
    CXpButton::OnLButtonUp(nFlags, point);
}

void CXpHoverButton::OnMouseHover(UINT nFlags, CPoint point)
{
    if (mHeld) {
        // Unsigned arithmetic stays right when the tick count wraps.
        if (::GetTickCount() - mPressTime > mRepeatDelay) {
            if (CWnd* parent = GetParent())
                parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
                                    reinterpret_cast<LPARAM>(m_hWnd));
        }
        TrackHover();
    }
    CXpButton::OnMouseHover(nFlags, point);
}

void CXpHoverButton::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd != this)
        Release();
    CXpButton::OnCaptureChanged(pWnd);
}
