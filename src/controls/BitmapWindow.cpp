#include "controls/BitmapWindow.h"

BEGIN_MESSAGE_MAP(CBitmapWindow, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CBitmapWindow::CBitmapWindow() = default;

bool CBitmapWindow::Load(const char* path)
{
    FitToClient();
    if (!mResizer.SetFilePath(path))
        return false;
    if (m_hWnd)
        Invalidate(FALSE);
    return true;
}

void CBitmapWindow::FitToClient()
{
    CRect client;
    if (m_hWnd)
        GetClientRect(&client);
    mResizer.SetSize(client.Width(), client.Height());
}

int CBitmapWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    FitToClient();
    return 0;
}

void CBitmapWindow::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    mResizer.SetSize(cx, cy);
    // The whole picture changes with the scale, not only the part the new size uncovers.
    Invalidate(FALSE);
}

void CBitmapWindow::OnPaint()
{
    CPaintDC dc(this);
    DrawPicture(&dc);
}

LRESULT CBitmapWindow::OnPrintClient(WPARAM wParam, LPARAM)
{
    DrawPicture(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CBitmapWindow::DrawPicture(CDC* dc)
{
    const int width = mResizer.GetWidth();
    const int height = mResizer.GetHeight();
    if (width > 0 && height > 0)
        dc->BitBlt(0, 0, width, height, CDC::FromHandle(mResizer.GetPictureDC()), 0, 0, SRCCOPY);
}
