#include "controls/XpButton.h"

#include "core/LibraryModule.h"
#include "res/resource.h"

#include "tnwwndut.h"

// Defined here as well, so that the module exports them.
constexpr COLORREF CXpButton::kTextColor;
constexpr COLORREF CXpButton::kDisabledTextColor;

int CXpButton::sUseCount = 0;
HBITMAP CXpButton::sFaces = nullptr;
HDC CXpButton::sFaceDC = nullptr;
HGDIOBJ CXpButton::sFaceDCBitmap = nullptr;
int CXpButton::sFaceWidth = 0;
int CXpButton::sFaceHeight = 0;

BEGIN_MESSAGE_MAP(CXpButton, CTooltipButton)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CXpButton::CXpButton()
{
    if (sUseCount++ > 0)
        return;
    // A DIB section keeps the faces' colours exactly, whatever the screen's depth: the
    // corners are cut by comparing colours.
    sFaces = static_cast<HBITMAP>(::LoadImageA(ULibraryModule::Instance(), MAKEINTRESOURCEA(IDB_TNW_XP_BUTTON),
                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP layout = {};
    if (sFaces && ::GetObjectA(sFaces, sizeof layout, &layout) && layout.bmWidth / kFaceCount > 2 * kCorner
        && layout.bmHeight > 2 * kCorner) {
        sFaceDC = ::CreateCompatibleDC(nullptr);
        if (sFaceDC) {
            sFaceDCBitmap = ::SelectObject(sFaceDC, sFaces);
            sFaceWidth = layout.bmWidth / kFaceCount;
            sFaceHeight = layout.bmHeight;
        }
    }
}

CXpButton::~CXpButton()
{
    // Destroyed here rather than by the base class, so that the button's own handlers
    // still run.
    if (m_hWnd)
        DestroyWindow();
    Unload();
}

void CXpButton::Unload()
{
    ReleaseRegion();
    DiscardDisabledIcon();
    if (--sUseCount > 0)
        return;
    if (sFaceDC) {
        ::SelectObject(sFaceDC, sFaceDCBitmap);
        ::DeleteDC(sFaceDC);
    }
    if (sFaces)
        ::DeleteObject(sFaces);
    sFaceDC = nullptr;
    sFaceDCBitmap = nullptr;
    sFaces = nullptr;
    sFaceWidth = 0;
    sFaceHeight = 0;
}

BOOL CXpButton::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style = (cs.style & ~0x0FUL) | BS_OWNERDRAW;
    return CTooltipButton::PreCreateWindow(cs);
}

int CXpButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTooltipButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    LoadRegion();
    return 0;
}

void CXpButton::OnSize(UINT nType, int cx, int cy)
{
    CTooltipButton::OnSize(nType, cx, cy);
    LoadRegion();
}

void CXpButton::OnClose()
{
    ReleaseRegion();
    CTooltipButton::OnClose();
}

void CXpButton::OnDestroy()
{
    ReleaseRegion();
    CTooltipButton::OnDestroy();
}

void CXpButton::ReleaseRegion()
{
    mRegion.DeleteObject();
    mRegionSize = CSize();
}

void CXpButton::SetIcon(HICON icon)
{
    mIconWidth = 0;
    mIconHeight = 0;
    DiscardDisabledIcon();
    if (!m_hWnd)
        return;
    // Buttons keep an icon only with the icon style.
    if (icon)
        ModifyStyle(0, BS_ICON);
    SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void CXpButton::DiscardDisabledIcon()
{
    if (mDisabledIcon)
        ::DestroyIcon(mDisabledIcon);
    mDisabledIcon = nullptr;
}

int CXpButton::GetPixelSize(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 8: return 1;
    case 15: case 16: return 2;
    case 24: return 3;
    case 32: return 4;
    default: return 0;
    }
}

int CXpButton::GetDrawIndex(bool pressed, bool focused, bool disabled, bool isDefault)
{
    if (disabled)
        return kFaceDisabled;
    if (pressed)
        return kFacePressed;
    if (!focused)
        return isDefault ? kFaceDefault : kFaceNormal;
    return kFaceFocused;
}

bool CXpButton::LoadRegion()
{
    if (!m_hWnd || !sFaceDC)
        return false;
    CRect client;
    GetClientRect(&client);
    if (client.IsRectEmpty())
        return false;
    if (mRegion.m_hObject && mRegionSize == client.Size())
        return true;
    ReleaseRegion();
    if (!mRegion.CreateRectRgnIndirect(&client))
        return false;
    const COLORREF key = ::GetPixel(sFaceDC, 0, 0);
    const int width = client.Width();
    const int height = client.Height();
    for (int dy = 0; dy < kCorner; ++dy) {
        for (int dx = 0; dx < kCorner; ++dx) {
            // Each corner of face 0, and the same corner of the button.
            const POINT corners[4][2] = {
                { { dx, dy }, { dx, dy } },
                { { sFaceWidth - kCorner + dx, dy }, { width - kCorner + dx, dy } },
                { { dx, sFaceHeight - kCorner + dy }, { dx, height - kCorner + dy } },
                { { sFaceWidth - kCorner + dx, sFaceHeight - kCorner + dy }, { width - kCorner + dx, height - kCorner + dy } },
            };
            for (const auto& corner : corners) {
                if (::GetPixel(sFaceDC, corner[0].x, corner[0].y) != key)
                    continue;
                CRgn pixel;
                if (pixel.CreateRectRgn(corner[1].x, corner[1].y, corner[1].x + 1, corner[1].y + 1))
                    mRegion.CombineRgn(&mRegion, &pixel, RGN_DIFF);
            }
        }
    }
    mRegionSize = client.Size();
    // The window owns the region it is given and deletes it: it gets a copy.
    CRgn windowRegion;
    if (windowRegion.CreateRectRgn(0, 0, 0, 0) && windowRegion.CopyRgn(&mRegion) != ERROR) {
        if (SetWindowRgn(static_cast<HRGN>(windowRegion.m_hObject), TRUE))
            windowRegion.Detach();
    }
    ModifyStyle(0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    return true;
}

void CXpButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const UINT state = lpDrawItemStruct->itemState;
    const bool pressed = (state & ODS_SELECTED) != 0;
    const bool disabled = (state & ODS_DISABLED) != 0;
    const int index = GetDrawIndex(pressed, (state & ODS_FOCUS) != 0, disabled, (state & ODS_DEFAULT) != 0);
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int saved = dc->SaveDC();
    if (LoadRegion()) {
        dc->SelectClipRgn(&mRegion);
        DrawButton(dc, index);
    } else {
        // Without faces, a plain push button.
        UINT frame = DFCS_BUTTONPUSH;
        if (pressed)
            frame |= DFCS_PUSHED;
        if (disabled)
            frame |= DFCS_INACTIVE;
        CRect item(lpDrawItemStruct->rcItem);
        ::DrawFrameControl(dc->m_hDC, &item, DFC_BUTTON, frame);
    }
    DrawInfo(dc, pressed, disabled);
    dc->RestoreDC(saved);
}

bool CXpButton::DrawButton(CDC* dc, int index)
{
    if (!dc || !dc->m_hDC || !sFaceDC || !m_hWnd)
        return false;
    CRect client;
    GetClientRect(&client);
    const int w = client.Width();
    const int h = client.Height();
    const int f = sFaceWidth;
    const int fh = sFaceHeight;
    const int x = f * index;
    const int c = kCorner;
    HDC target = dc->m_hDC;
    const int mode = ::SetStretchBltMode(target, COLORONCOLOR);

    ::BitBlt(target, 0, 0, c, c, sFaceDC, x, 0, SRCCOPY);
    ::BitBlt(target, w - c, 0, c, c, sFaceDC, x + f - c, 0, SRCCOPY);
    ::BitBlt(target, 0, h - c, c, c, sFaceDC, x, fh - c, SRCCOPY);
    ::BitBlt(target, w - c, h - c, c, c, sFaceDC, x + f - c, fh - c, SRCCOPY);
    // A stretch to no width or height would mirror the face across the corners: such
    // parts are left out.
    if (w - 2 * c > 0) {
        ::StretchBlt(target, c, 0, w - 2 * c, c, sFaceDC, x + c, 0, f - 2 * c, c, SRCCOPY);
        ::StretchBlt(target, c, h - c, w - 2 * c, c, sFaceDC, x + c, fh - c, f - 2 * c, c, SRCCOPY);
    }
    if (h - 2 * c > 0) {
        ::StretchBlt(target, 0, c, c, h - 2 * c, sFaceDC, x, c, c, fh - 2 * c, SRCCOPY);
        ::StretchBlt(target, w - c, c, c, h - 2 * c, sFaceDC, x + f - c, c, c, fh - 2 * c, SRCCOPY);
    }
    if (w - 2 * c > 0 && h - 2 * c > 0)
        ::StretchBlt(target, c, c, w - 2 * c, h - 2 * c, sFaceDC, x + c, c, f - 2 * c, fh - 2 * c, SRCCOPY);
    ::SetStretchBltMode(target, mode);
    return true;
}

void CXpButton::MeasureIcon(HICON icon)
{
    if (mIconWidth > 0 && mIconHeight > 0)
        return;
    mIconWidth = ::GetSystemMetrics(SM_CXICON);
    mIconHeight = ::GetSystemMetrics(SM_CYICON);
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info))
        return;
    BITMAP layout = {};
    if (info.hbmColor && ::GetObjectA(info.hbmColor, sizeof layout, &layout)) {
        mIconWidth = layout.bmWidth;
        mIconHeight = layout.bmHeight;
    }
    // GetIconInfo hands out copies of the icon's bitmaps.
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
}

void CXpButton::BuildDisabledIcon()
{
    HICON icon = m_hWnd ? reinterpret_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON)) : nullptr;
    if (mDisabledIcon || !icon)
        return;
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info))
        return;
    if (HBITMAP grey = UBitmapUtils::MakeMonochrome(info.hbmColor)) {
        ICONINFO greyInfo = info;
        greyInfo.hbmColor = grey;
        mDisabledIcon = ::CreateIconIndirect(&greyInfo);
        ::DeleteObject(grey);
    }
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
}

void CXpButton::DrawInfo(CDC* dc, bool pressed, bool disabled)
{
    if (!dc || !m_hWnd)
        return;
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(pressed ? 2 : 1, pressed ? 2 : 1);
    HICON icon = reinterpret_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON));
    if (icon) {
        if (disabled)
            BuildDisabledIcon();
        MeasureIcon(icon);
        const int x = (rect.right - mIconWidth + rect.left + 1) / 2;
        const int y = (rect.bottom - mIconHeight + rect.top + 1) / 2;
        ::DrawIconEx(dc->m_hDC, x, y, disabled && mDisabledIcon ? mDisabledIcon : icon, mIconWidth, mIconHeight, 0,
                     nullptr, DI_NORMAL);
        return;
    }
    CString text;
    GetWindowText(text);
    const int saved = dc->SaveDC();
    if (HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)))
        ::SelectObject(dc->m_hDC, font);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(disabled ? kDisabledTextColor : kTextColor);
    dc->DrawText(text, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc->RestoreDC(saved);
}
