#include "MainFrame.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_PAINT()
    ON_COMMAND(ID_FILE_CONVERT, OnConvert)
END_MESSAGE_MAP()

void CMainFrame::SetStatus(LPCSTR text)
{
    mStatus = text;
    Invalidate();
}

void CMainFrame::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    RECT client;
    GetClientRect(&client);
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextA(dc, mStatus, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::EndPaint(m_hWnd, &paint);
}

void CMainFrame::OnConvert()
{
    SetStatus("Converting...");
}
