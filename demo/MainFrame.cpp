#include "MainFrame.h"
#include "resource.h"

#include "afxres.h"

#include <algorithm>

namespace {

const int kStatusHeight = 24;
const int kMargin = 12;
const UINT kStatusLineId = 100;
const UINT kPictureId = 101;

} // namespace

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
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

CRect CMainFrame::ContentRect() const
{
    CRect content;
    GetClientRect(&content);
    for (UINT id = AFX_IDW_DOCKBAR_TOP; id <= AFX_IDW_DOCKBAR_BOTTOM; ++id) {
        CDockBar* edge = GetDockBar(id);
        if (!edge)
            continue;
        CRect taken;
        edge->GetWindowRect(&taken);
        ScreenToClient(&taken);
        if (id == AFX_IDW_DOCKBAR_TOP)
            content.top = std::max(content.top, taken.bottom);
        else if (id == AFX_IDW_DOCKBAR_BOTTOM)
            content.bottom = std::min(content.bottom, taken.top);
        else if (id == AFX_IDW_DOCKBAR_LEFT)
            content.left = std::max(content.left, taken.right);
        else
            content.right = std::min(content.right, taken.left);
    }
    return content;
}

CRect CMainFrame::PictureRect() const
{
    const CRect content = ContentRect();
    // The picture keeps the 4:3 proportions of the clip.
    const int width = content.Width() / 2 - kMargin;
    const int height = width * 3 / 4;
    const int top = content.top + (content.Height() - kStatusHeight - height) / 2;
    const int left = content.left + content.Width() / 2;
    return CRect(left, top, left + width, top + height);
}

void CMainFrame::RecalcLayout(BOOL bNotify)
{
    if (IsInRecalcLayout())
        return;
    CFrameWnd::RecalcLayout(bNotify);
    if (!mStatusLine.m_hWnd || !mPicture.m_hWnd)
        return;
    const CRect content = ContentRect();
    mStatusLine.MoveWindow(content.left, content.bottom - kStatusHeight, content.Width(), kStatusHeight);
    mPicture.MoveWindow(PictureRect());
    Invalidate();
}

void CMainFrame::OnPaint()
{
    CPaintDC dc(this);
    CFont* previousFont = dc.SelectObject(UDrawingUtils::GetCourier18Bold());
    dc.SetBkMode(TRANSPARENT);
    const CRect picture = PictureRect();
    const int left = ContentRect().left + kMargin * 2;
    dc.TextOut(left, picture.top + picture.Height() / 2 - 30, "Converting clip 01");
    dc.SelectObject(UDrawingUtils::GetFont());
    dc.TextOut(left, picture.top + picture.Height() / 2 - 4, "the picture of the source:");
    dc.SelectObject(previousFont);

    CPen pen(PS_SOLID, 2, RGB(32, 48, 80));
    CPen* previousPen = dc.SelectObject(&pen);
    CBrush* previousBrush = dc.SelectObject(UDrawingUtils::GetLightBlueBrush());
    const CPoint from(left + 180, picture.top + picture.Height() / 2 + 4);
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
