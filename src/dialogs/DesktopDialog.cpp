#include "dialogs/DesktopDialog.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CDesktopDialog, CDialog)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CDesktopDialog::CDesktopDialog(CWnd* parent) : CDialog(kTemplateId, parent) {}

CDesktopDialog::~CDesktopDialog()
{
    Reset();
}

BOOL CDesktopDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    mCapture.SetWantCursor(false);
    mCapture.SetCapture(CScreenCapture::kCaptureScreen);
    mCapture.Capture();
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    mX = 0;
    mY = 0;
    mWidth = static_cast<unsigned short>(std::clamp(width, 0, 0xFFFF));
    mHeight = static_cast<unsigned short>(std::clamp(height, 0, 0xFFFF));
    MoveWindow(0, 0, width, height, FALSE);
    mTracking = true;
    SetCapture();
    mCursor = std::make_unique<StSelectCursor>();
    return TRUE;
}

void CDesktopDialog::OnPaint()
{
    CPaintDC dc(this);
    const bool banded = mIndicator && mIndicator->IsDrawn();
    if (banded)
        mIndicator->Undraw();
    if (!mCapture.Draw(dc.m_hDC, 0, 0)) {
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, RGB(0, 0, 0));
    }
    if (banded)
        mIndicator->Draw();
}

BOOL CDesktopDialog::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CDesktopDialog::OnLButtonDown(UINT, CPoint point)
{
    if (!mTracking || mIndicator)
        return;
    // A capture taken by another window meanwhile comes back with the press.
    if (::GetCapture() != m_hWnd)
        SetCapture();
    mIndicator = std::make_unique<tnwwndut::CObviousDragIndicator>(m_hWnd);
    ClientToScreen(&point);
    mIndicator->Drag(point);
}

void CDesktopDialog::OnMouseMove(UINT, CPoint point)
{
    if (!mIndicator)
        return;
    ClientToScreen(&point);
    mIndicator->Drag(point);
}

void CDesktopDialog::OnLButtonUp(UINT, CPoint point)
{
    if (mIndicator) {
        ClientToScreen(&point);
        mIndicator->Drag(point);
        TakeSelection(mIndicator->GetDrawRect());
    }
    Finish(IDOK);
}

void CDesktopDialog::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd != this)
        Reset();
    CDialog::OnCaptureChanged(pWnd);
}

void CDesktopDialog::OnOK()
{
    Finish(IDOK);
}

void CDesktopDialog::OnCancel()
{
    Finish(IDCANCEL);
}

void CDesktopDialog::TakeSelection(const RECT& screenRect)
{
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    const int left = std::clamp(static_cast<int>(std::min(screenRect.left, screenRect.right)), 0, width);
    const int right = std::clamp(static_cast<int>(std::max(screenRect.left, screenRect.right)), 0, width);
    const int top = std::clamp(static_cast<int>(std::min(screenRect.top, screenRect.bottom)), 0, height);
    const int bottom = std::clamp(static_cast<int>(std::max(screenRect.top, screenRect.bottom)), 0, height);
    if (right <= left || bottom <= top)
        return;
    mX = static_cast<unsigned short>(std::min(left, 0xFFFF));
    mY = static_cast<unsigned short>(std::min(top, 0xFFFF));
    mWidth = static_cast<unsigned short>(std::min(right - left, 0xFFFF));
    mHeight = static_cast<unsigned short>(std::min(bottom - top, 0xFFFF));
}

void CDesktopDialog::Reset()
{
    mIndicator.reset();
}

void CDesktopDialog::Finish(int result)
{
    Reset();
    if (mTracking && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    mTracking = false;
    mCursor.reset();
    EndDialog(result);
}
