#include "controls/FontSizeCombo.h"

#include <cstdlib>

BEGIN_MESSAGE_MAP(CFontSizeCombo, CComboBox)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CFontSizeCombo::CFontSizeCombo() = default;

BOOL CFontSizeCombo::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= CBS_HASSTRINGS;
    return CComboBox::PreCreateWindow(cs);
}

int CFontSizeCombo::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    LoadSizes();
    Select(mSize);
    return 0;
}

void CFontSizeCombo::LoadSizes()
{
    static const char* const kSizes[] = { "8", "9", "10", "11", "12", "13", "14", "16", "18",
                                          "20", "22", "24", "26", "28", "36", "48", "72" };
    for (const char* size : kSizes)
        AddString(size);
}

void CFontSizeCombo::SetSize(int size)
{
    mSize = size;
    Select(size);
}

int CFontSizeCombo::GetSize() const
{
    if (!m_hWnd)
        return 0;
    // A drop-down list has no text of its own beyond its selected entry: it shows the
    // size drawn in its selection field.
    if ((GetStyle() & 0x3) == CBS_DROPDOWNLIST && GetCurSel() < 0)
        return mSize;
    CString text;
    GetWindowText(text);
    return std::atoi(text);
}

void CFontSizeCombo::Select(int size)
{
    if (!m_hWnd)
        return;
    mSize = size;
    CString text;
    text.Format("%d", size);
    SetCurSel(FindStringExact(-1, text));
    SetWindowText(text);
}

void CFontSizeCombo::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    const bool selected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
    const int saved = dc->SaveDC();
    dc->FillSolidRect(&lpDrawItemStruct->rcItem, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    dc->SetTextColor(::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc->SetBkMode(TRANSPARENT);
    CString text;
    const int item = static_cast<int>(lpDrawItemStruct->itemID);
    if (item >= 0)
        GetLBText(item, text);
    else
        text.Format("%d", mSize);
    CRect rect(lpDrawItemStruct->rcItem);
    rect.left += 2;
    dc->DrawText(text, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc->RestoreDC(saved);
}
