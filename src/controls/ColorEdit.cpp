#include "controls/ColorEdit.h"

// Defined here as well, so that the module exports it.
constexpr COLORREF CColorEdit::kDefaultColor;

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
}

BEGIN_MESSAGE_MAP(CColorEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CColorEdit::CColorEdit() : mTextColor(::GetSysColor(COLOR_BTNTEXT)), mBkColor(kWhite) {}

void CColorEdit::SetTextColor(COLORREF color)
{
    mTextColor = color == kDefaultColor ? ::GetSysColor(COLOR_BTNTEXT) : color;
    Repaint();
}

void CColorEdit::SetBkColor(COLORREF color)
{
    mBkColor = color == kDefaultColor ? kWhite : color;
    mBkBrush.DeleteObject();
    Repaint();
}

void CColorEdit::Repaint()
{
    if (m_hWnd)
        Invalidate();
}

HBRUSH CColorEdit::CtlColor(CDC* pDC, UINT)
{
    if (!mBkBrush.m_hObject)
        mBkBrush.CreateSolidBrush(mBkColor);
    pDC->SetTextColor(GetTextColor());
    pDC->SetBkColor(mBkColor);
    return mBkBrush;
}

void CColorEdit::OnDestroy()
{
    mBkBrush.DeleteObject();
    CEdit::OnDestroy();
}
