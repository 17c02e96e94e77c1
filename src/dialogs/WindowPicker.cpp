#include "dialogs/WindowPicker.h"

#include "core/LibraryModule.h"
#include "res/resource.h"

// Defined here as well, so that the module exports them.
constexpr COLORREF CWindowPicker::kLightEdge;
constexpr COLORREF CWindowPicker::kDarkEdge;

BEGIN_MESSAGE_MAP(CWindowPicker, CTooltipWindow)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CWindowPicker::CWindowPicker()
    // Loaded as the picker's own copies (not shared), so that the picker may destroy them.
    : mIcon(static_cast<HICON>(::LoadImageA(ULibraryModule::Instance(), MAKEINTRESOURCEA(IDI_TNW_WINDOW_PICKER),
                                            IMAGE_ICON, kIconSize, kIconSize, 0))),
      mCursor(static_cast<HCURSOR>(::LoadImageA(ULibraryModule::Instance(), MAKEINTRESOURCEA(IDC_TNW_WINDOW_PICKER),
                                                IMAGE_CURSOR, 0, 0, 0)))
{
}

CWindowPicker::~CWindowPicker()
{
    // Destroyed here rather than by the base class, so that the picker's own handlers
    // still run while it goes.
    if (m_hWnd)
        DestroyWindow();
    Reset();
    if (mIcon)
        ::DestroyIcon(mIcon);
    if (mCursor)
        ::DestroyCursor(mCursor);
}

void CWindowPicker::StartTracking()
{
    if (mTracking || !m_hWnd)
        return;
    mPreviousCursor = ::SetCursor(mCursor);
    mTracking = true;
    SetCapture();
    if (!mIndicator) {
        mIndicator = std::make_unique<tnwwndut::CDragIndicator>(::GetDesktopWindow());
        CPoint position;
        ::GetCursorPos(&position);
        ProcessDrag(position);
    }
}

void CWindowPicker::ProcessDrag(CPoint& point)
{
    HWND window = ::WindowFromPoint(point);
    mPicked = window;
    if (!mIndicator)
        return;
    if (!window || ::IsZoomed(window)) {
        mIndicator->Undraw();
        return;
    }
    CRect rect;
    ::GetWindowRect(window, &rect);
    mIndicator->Move(rect);
}

void CWindowPicker::Reset()
{
    mIndicator.reset();
}

void CWindowPicker::StopTracking()
{
    Reset();
    // Cleared first: the capture's end comes back as a capture change.
    const bool tracking = mTracking;
    mTracking = false;
    if (m_hWnd && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (tracking)
        ::SetCursor(mPreviousCursor);
}

void CWindowPicker::Draw(CDC& dc)
{
    CRect client;
    GetClientRect(&client);
    dc.Draw3dRect(&client, kLightEdge, kDarkEdge);
    if (mIcon)
        ::DrawIconEx(dc.m_hDC, (client.Width() - kIconSize) / 2, (client.Height() - kIconSize) / 2, mIcon, kIconSize,
                     kIconSize, 0, nullptr, DI_NORMAL);
}

void CWindowPicker::OnPaint()
{
    CPaintDC dc(this);
    Draw(dc);
}

LRESULT CWindowPicker::OnPrintClient(WPARAM wParam, LPARAM)
{
    if (CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam)))
        Draw(*dc);
    return 0;
}

void CWindowPicker::OnLButtonDown(UINT, CPoint)
{
    StartTracking();
}

void CWindowPicker::OnMouseMove(UINT, CPoint point)
{
    if (!mIndicator)
        return;
    ClientToScreen(&point);
    ProcessDrag(point);
}

void CWindowPicker::OnLButtonUp(UINT, CPoint point)
{
    if (!mIndicator)
        return;
    ClientToScreen(&point);
    ProcessDrag(point);
    StopTracking();
    Broadcast(kWindowPicked, this, nullptr);
}

void CWindowPicker::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd != this && mTracking)
        StopTracking();
    CTooltipWindow::OnCaptureChanged(pWnd);
}
