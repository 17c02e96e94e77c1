#include "afxctl.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

CButton::CButton() = default;

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const
{
    return static_cast<UINT>(SendMessage(BM_GETSTATE));
}

void CButton::SetState(BOOL bHighlight)
{
    SendMessage(BM_SETSTATE, bHighlight);
}

int CButton::GetCheck() const
{
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int nCheck)
{
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
}

UINT CButton::GetButtonStyle() const
{
    return GetStyle() & 0xFF;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    SendMessage(BM_SETSTYLE, nStyle, bRedraw);
}

HICON CButton::SetIcon(HICON hIcon)
{
    return reinterpret_cast<HICON>(SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CButton::GetIcon() const
{
    return reinterpret_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON));
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    return reinterpret_cast<HBITMAP>(SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CButton::GetBitmap() const
{
    return reinterpret_cast<HBITMAP>(SendMessage(BM_GETIMAGE, IMAGE_BITMAP));
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}

CBitmapButton::CBitmapButton() = default;

namespace {

// Loads into an emptied bitmap; a null name asks for nothing and succeeds.
BOOL ReloadBitmap(CBitmap& bitmap, LPCSTR lpszResource)
{
    bitmap.DeleteObject();
    return !lpszResource || bitmap.LoadBitmap(lpszResource);
}

LPCSTR ResourceName(UINT nID)
{
    return nID ? MAKEINTRESOURCEA(nID) : nullptr;
}

} // namespace

BOOL CBitmapButton::LoadBitmaps(LPCSTR lpszBitmapResource, LPCSTR lpszBitmapResourceSel,
                                LPCSTR lpszBitmapResourceFocus, LPCSTR lpszBitmapResourceDisabled)
{
    // Every state is reloaded even after a failure, so that no bitmap of an earlier set
    // stays mixed with the new ones.
    BOOL loaded = lpszBitmapResource != nullptr;
    loaded = ReloadBitmap(m_bitmap, lpszBitmapResource) && loaded;
    loaded = ReloadBitmap(m_bitmapSel, lpszBitmapResourceSel) && loaded;
    loaded = ReloadBitmap(m_bitmapFocus, lpszBitmapResourceFocus) && loaded;
    loaded = ReloadBitmap(m_bitmapDisabled, lpszBitmapResourceDisabled) && loaded;
    return loaded;
}

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel,
                                UINT nIDBitmapResourceFocus, UINT nIDBitmapResourceDisabled)
{
    return LoadBitmaps(ResourceName(nIDBitmapResource), ResourceName(nIDBitmapResourceSel),
                       ResourceName(nIDBitmapResourceFocus), ResourceName(nIDBitmapResourceDisabled));
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const UINT state = lpDrawItemStruct->itemState;
    CBitmap* bitmap = &m_bitmap;
    if ((state & ODS_SELECTED) && m_bitmapSel.m_hObject)
        bitmap = &m_bitmapSel;
    else if ((state & ODS_FOCUS) && m_bitmapFocus.m_hObject)
        bitmap = &m_bitmapFocus;
    else if ((state & ODS_DISABLED) && m_bitmapDisabled.m_hObject)
        bitmap = &m_bitmapDisabled;
    DrawBitmapInItem(lpDrawItemStruct, bitmap);
}

void CBitmapButton::DrawBitmapInItem(LPDRAWITEMSTRUCT lpDrawItemStruct, CBitmap* pBitmap)
{
    if (!pBitmap || !pBitmap->m_hObject)
        return;
    CDC* target = CDC::FromHandle(lpDrawItemStruct->hDC);
    CDC memory;
    if (!memory.CreateCompatibleDC(target))
        return;
    CBitmap* previous = memory.SelectObject(pBitmap);
    const RECT& item = lpDrawItemStruct->rcItem;
    target->BitBlt(item.left, item.top, item.right - item.left, item.bottom - item.top, &memory,
                   0, 0, SRCCOPY);
    memory.SelectObject(previous);
}
