#include "controls/DrawComboBox.h"

// Defined here as well, so that the module exports it.
constexpr COLORREF CDrawComboBox::kSelectedColor;

CDrawComboBox::CDrawComboBox() = default;

BOOL CDrawComboBox::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= CBS_OWNERDRAWFIXED | WS_VSCROLL;
    return CComboBox::PreCreateWindow(cs);
}

void CDrawComboBox::DrawBase(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    const bool selected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    dc->FillSolidRect(&lpDrawItemStruct->rcItem, selected ? kSelectedColor : RGB(255, 255, 255));
    dc->SetTextColor(selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
    dc->SetBkMode(TRANSPARENT);
}

void CDrawComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int saved = dc->SaveDC();
    DrawBase(lpDrawItemStruct);
    const int item = static_cast<int>(lpDrawItemStruct->itemID);
    if (item >= 0 && (GetStyle() & CBS_HASSTRINGS)) {
        CString text;
        GetLBText(item, text);
        CRect rect(lpDrawItemStruct->rcItem);
        rect.left += 2;
        dc->DrawText(text, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    dc->RestoreDC(saved);
}
