#pragma once
// The standard controls: static texts and buttons, and the button drawn from bitmaps.
#include "afxwin.h"

// A static text, picture or frame as a window object. Its id defaults to 0xffff
// (IDC_STATIC), the id that dialog templates give statics nobody addresses.
class AFX_CORE_CLASS CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic();

    BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID = 0xffff);
};

// A push button, check box or radio button as a window object. An owner-draw button gets
// its WM_DRAWITEM back from the parent by reflection and draws itself in DrawItem, so that
// a derived button needs no help from the dialog that holds it.
class AFX_CORE_CLASS CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton();

    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    UINT GetState() const;
    void SetState(BOOL bHighlight);
    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    // The image of a BS_ICON or BS_BITMAP button; each setter returns the previous one.
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;

    // Draws an owner-draw (BS_OWNERDRAW) button; the parent's WM_DRAWITEM comes here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// An owner-draw button that shows one of up to four bitmaps: normal, pressed (selected),
// focused and disabled. Only the normal one is required. The button must have the
// BS_OWNERDRAW style.
class AFX_CORE_CLASS CBitmapButton : public CButton {
    DECLARE_DYNAMIC(CBitmapButton)
public:
    CBitmapButton();

    // Replaces all four bitmaps with resources found through the resource chain; a null
    // name (0 id) leaves that state without a bitmap. FALSE when a named bitmap is missing.
    BOOL LoadBitmaps(LPCSTR lpszBitmapResource, LPCSTR lpszBitmapResourceSel = nullptr,
                     LPCSTR lpszBitmapResourceFocus = nullptr,
                     LPCSTR lpszBitmapResourceDisabled = nullptr);
    BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0,
                     UINT nIDBitmapResourceFocus = 0, UINT nIDBitmapResourceDisabled = 0);

    // The pressed bitmap while pressed, else the focus bitmap while focused, else the
    // disabled bitmap while disabled, else the normal one.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;

protected:
    // Copies the bitmap to the item rectangle's top-left corner at the rectangle's size;
    // a null or empty bitmap draws nothing.
    static void DrawBitmapInItem(LPDRAWITEMSTRUCT lpDrawItemStruct, CBitmap* pBitmap);
};
