#include "dialogs/SplashWindow.h"

#include "res/resource.h"

IMPLEMENT_DYNCREATE(CSplashWindow, CPlainFrame)

BEGIN_MESSAGE_MAP(CSplashWindow, CPlainFrame)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CSplashWindow::CSplashWindow() : mTimer(0) {}

CSplashWindow::~CSplashWindow() = default;

void CSplashWindow::SplashWindow(unsigned int bitmapId, long seconds)
{
    (new CSplashWindow)->Splash(bitmapId, seconds);
}

void CSplashWindow::DefaultSplash()
{
    SplashWindow(IDB_SPLASH, 3);
}

bool CSplashWindow::Splash(unsigned int bitmapId, long seconds)
{
    if (bitmapId == 0 || !mBitmap.LoadBitmap(bitmapId)) {
        PostNcDestroy();
        return false;
    }
    // The provisional size is replaced by the bitmap's as the window is created.
    if (!CreateEx(WS_EX_TOPMOST, nullptr, "Splash", WS_POPUP | WS_VISIBLE, 0, 0, 40, 23, nullptr, nullptr))
        return false;
    UpdateWindow();
    mTimer = SetTimer(kTimerId, static_cast<UINT>(seconds * 1000));
    return true;
}

BOOL CSplashWindow::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style &= ~WS_BORDER;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return CPlainFrame::PreCreateWindow(cs);
}

int CSplashWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CPlainFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    BITMAP bitmap = {};
    mBitmap.GetBitmap(&bitmap);
    CRect desktop;
    CWnd::FromHandle(::GetDesktopWindow())->GetClientRect(&desktop);
    const int x = (desktop.right - bitmap.bmWidth - desktop.left) / 2;
    const int y = (desktop.bottom - desktop.top - bitmap.bmHeight) / 2;
    SetWindowPos(nullptr, x, y, bitmap.bmWidth, bitmap.bmHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate();
    return 0;
}

void CSplashWindow::OnPaint()
{
    CPaintDC dc(this);
    BITMAP bitmap = {};
    mBitmap.GetBitmap(&bitmap);
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    CBitmap* previous = memory.SelectObject(&mBitmap);
    dc.BitBlt(0, 0, bitmap.bmWidth, bitmap.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
}

void CSplashWindow::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTimerId)
        Dismiss();
    else
        CPlainFrame::OnTimer(nIDEvent);
}

void CSplashWindow::OnLButtonUp(UINT, CPoint)
{
    Dismiss();
}

void CSplashWindow::Dismiss()
{
    if (mTimer) {
        KillTimer(mTimer);
        mTimer = 0;
    }
    DestroyWindow();
}
