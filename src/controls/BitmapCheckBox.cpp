#include "controls/BitmapCheckBox.h"

#include "util/DrawingUtils.h"

BEGIN_MESSAGE_MAP(CBitmapCheckBox, CBitmapButton)
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CBitmapCheckBox::CBitmapCheckBox() = default;

bool CBitmapCheckBox::LoadCheckedBitmap(const char* name)
{
    mCheckedBitmap.DeleteObject();
    return name && mCheckedBitmap.LoadBitmap(name);
}

bool CBitmapCheckBox::LoadCheckedBitmap(unsigned int id)
{
    return LoadCheckedBitmap(MAKEINTRESOURCEA(id));
}

void CBitmapCheckBox::SetCheck(int checked)
{
    mChecked = checked ? 1 : 0;
    UDrawingUtils::Refresh(this);
}

BOOL CBitmapCheckBox::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= BS_OWNERDRAW;
    return CBitmapButton::PreCreateWindow(cs);
}

void CBitmapCheckBox::OnLButtonUp(UINT nFlags, CPoint point)
{
    mChecked = 1 - mChecked;
    CBitmapButton::OnLButtonUp(nFlags, point);
}

void CBitmapCheckBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const UINT state = lpDrawItemStruct->itemState;
    CBitmap* bitmap = nullptr;
    if (mChecked && mCheckedBitmap.m_hObject)
        bitmap = &mCheckedBitmap;
    else if (m_bitmap.m_hObject)
        bitmap = &m_bitmap;

    if ((state & ODS_SELECTED) && m_bitmapSel.m_hObject) {
        bitmap = &m_bitmapSel;
    } else if (!bitmap) {
        if ((state & ODS_FOCUS) && m_bitmapFocus.m_hObject)
            bitmap = &m_bitmapFocus;
        else if ((state & ODS_DISABLED) && m_bitmapDisabled.m_hObject)
            bitmap = &m_bitmapDisabled;
    }
    DrawBitmapInItem(lpDrawItemStruct, bitmap);
}
