#include "skins/SkinButton.h"

BEGIN_MESSAGE_MAP(CSkinButton, CButton)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CSkinButton::CSkinButton() : mSkin(*this)
{
    mSkin.SetFrameCount(kFrameCount);
}

CSkinButton::~CSkinButton() = default;

void CSkinButton::CButtonSkin::LoadImageA(CBitmap& bitmap)
{
    CSkinObject::LoadImageA(bitmap);
    ShapeWindow(&mButton);
}

void CSkinButton::SetBitmapId(UINT id)
{
    mSkin.SetBitmapId(id);
    if (!mSkin.HasRegion() && m_hWnd)
        SetWindowRgn(nullptr, TRUE);
}

int CSkinButton::GetDrawIndex(bool selected, bool, bool disabled) const
{
    if (selected)
        return kFrameSelected;
    if (m_hWnd && ::GetCapture() == m_hWnd)
        return kFrameCaptured;
    if (disabled)
        return kFrameDisabled;
    return kFrameNormal;
}

void CSkinButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const UINT state = lpDrawItemStruct->itemState;
    const int index = GetDrawIndex((state & ODS_SELECTED) != 0, (state & ODS_FOCUS) != 0, (state & ODS_DISABLED) != 0);
    CDC* source = mSkin.Load() ? mSkin.GetMemoryDC() : nullptr;
    if (!source)
        return;
    const int width = static_cast<int>(mSkin.GetWidth());
    const int height = static_cast<int>(mSkin.GetHeight());
    CDC* target = CDC::FromHandle(lpDrawItemStruct->hDC);
    mSkin.TransparentBitBlt(target, 0, 0, width, height, source, width * index, 0);
}

BOOL CSkinButton::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style = (cs.style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
    return CButton::PreCreateWindow(cs);
}

void CSkinButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    mSkin.ShapeWindow(this);
}

int CSkinButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (mSkin.Load())
        mSkin.ShapeWindow(this);
    return 0;
}
