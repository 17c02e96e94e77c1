#include "MainFrame.h"
#include "resource.h"

#include "afxres.h"

namespace {

const int kStatusHeight = 24;
const int kMargin = 12;
const UINT kStatusLineId = 100;
const UINT kPictureId = 101;

} // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_CLOSE()
    ON_COMMAND(ID_FILE_CONVERT, OnConvert)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!mStatusLine.Create(" Ready to convert", WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_SUNKEN,
                            CRect(), this, kStatusLineId)
        || !mPicture.Create(nullptr, "", WS_VISIBLE | WS_BORDER, CRect(), this, kPictureId))
        return -1;
    mStatusLine.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(UDrawingUtils::GetFont()->m_hObject));
    return 0;
}

CRect CMainFrame::PictureRect() const
{
    CRect client;
    GetClientRect(&client);
    // The picture keeps the 4:3 proportions of the clip.
    const int width = client.Width() / 2 - kMargin;
    const int height = width * 3 / 4;
    const int top = (client.Height() - kStatusHeight - height) / 2;
    return CRect(client.Width() / 2, top, client.Width() / 2 + width, top + height);
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    mStatusLine.MoveWindow(0, cy - kStatusHeight, cx, kStatusHeight);
    mPicture.MoveWindow(PictureRect());
    Invalidate();
}

void CMainFrame::OnPaint()
{
    CPaintDC dc(this);
    CFont* previousFont = dc.SelectObject(UDrawingUtils::GetCourier18Bold());
    dc.SetBkMode(TRANSPARENT);
    const CRect picture = PictureRect();
    dc.TextOut(kMargin * 2, picture.top + picture.Height() / 2 - 30, "Converting clip 01");
    dc.SelectObject(UDrawingUtils::GetFont());
    dc.TextOut(kMargin * 2, picture.top + picture.Height() / 2 - 4, "the picture of the source:");
    dc.SelectObject(previousFont);

    CPen pen(PS_SOLID, 2, RGB(32, 48, 80));
    CPen* previousPen = dc.SelectObject(&pen);
    CBrush* previousBrush = dc.SelectObject(UDrawingUtils::GetLightBlueBrush());
    const CPoint from(kMargin * 2 + 180, picture.top + picture.Height() / 2 + 4);
    const CPoint to(picture.left - 6, picture.top + picture.Height() / 2 + 4);
    UDrawingUtils::LineWithArrow(&dc, from, to, 14);
    dc.SelectObject(previousBrush);
    dc.SelectObject(previousPen);
}

void CMainFrame::OnClose()
{
    UWindowsUtils::StoreLocation(this);
    CFrameWnd::OnClose();
}

void CMainFrame::SetStatus(LPCSTR text)
{
    UWindowsUtils::SetWindowTextA(&mStatusLine, CString(" ") + text);
}

bool CMainFrame::ShowPicture(LPCSTR path)
{
    return mPicture.Load(path);
}

void CMainFrame::OnConvert()
{
    SetStatus("Converting...");
}

void CMainFrame::OnAppExit()
{
    SendMessage(WM_CLOSE);
}
