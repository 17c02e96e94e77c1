#include "controls/FontCombo.h"

#include <mbstring.h>

#include <cstring>

#include <set>
#include <string>
#include <utility>

namespace {

// The combo box being filled and the faces and scripts listed so far.
struct FontLoading {
    CFontCombo* combo;
    std::set<std::pair<std::string, BYTE>> listed;
};

CString NameOf(ULONG_PTR itemData)
{
    const CFontEntry* entry = reinterpret_cast<const CFontEntry*>(itemData);
    return entry ? entry->GetFontName() : CString();
}

} // namespace

BEGIN_MESSAGE_MAP(CFontCombo, CDrawComboBox)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CFontCombo::CFontCombo() = default;

CFontCombo::~CFontCombo()
{
    // Destroyed here rather than by the base class, so that OnDestroy still frees the
    // entries.
    if (m_hWnd)
        DestroyWindow();
}

BOOL CFontCombo::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= CBS_SORT;
    return CDrawComboBox::PreCreateWindow(cs);
}

int CFontCombo::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDrawComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    LoadFonts();
    return 0;
}

void CFontCombo::OnDestroy()
{
    ResetFonts();
    CDrawComboBox::OnDestroy();
}

int CALLBACK CFontCombo::EnumFont(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType, LPARAM param)
{
    // Families come as ENUMLOGFONTEXA records; the combo box changes its own copy.
    ENUMLOGFONTEXA record = *reinterpret_cast<const ENUMLOGFONTEXA*>(font);
    record.elfLogFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    auto* loading = reinterpret_cast<FontLoading*>(param);
    if (loading->listed.emplace(record.elfLogFont.lfFaceName, record.elfLogFont.lfCharSet).second)
        loading->combo->AddFont(&record, fontType);
    return 1;
}

void CFontCombo::LoadFonts()
{
    if (!m_hWnd)
        return;
    FontLoading loading = { this, {} };
    const int count = GetCount();
    for (int index = 0; index < count; ++index) {
        if (const CFontEntry* entry = GetEntry(index))
            loading.listed.emplace(entry->GetLogFont().lfFaceName, entry->GetLogFont().lfCharSet);
    }
    CClientDC dc(this);
    LOGFONTA all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(dc.m_hDC, &all, EnumFont, reinterpret_cast<LPARAM>(&loading), 0);
}

void CFontCombo::AddFont(ENUMLOGFONTEXA* font, unsigned long fontType)
{
    if (!font || !m_hWnd)
        return;
    font->elfLogFont.lfHeight = 90;
    font->elfLogFont.lfWidth = 0;
    font->elfLogFont.lfWeight = FW_NORMAL;
    auto* entry = new CFontEntry(*font, fontType);
    // Without strings the item is its data, which the sorting compares by name; with
    // strings (a template's style) the name is the item and the entry its data.
    const bool hasStrings = (GetStyle() & CBS_HASSTRINGS) != 0;
    const int index = hasStrings ? AddString(entry->GetFontName()) : AddString(reinterpret_cast<LPCSTR>(entry));
    if (index < 0 || (hasStrings && SetItemData(index, reinterpret_cast<DWORD_PTR>(entry)) == CB_ERR)) {
        if (index >= 0)
            DeleteString(static_cast<UINT>(index));
        delete entry;
    }
}

void CFontCombo::ResetFonts()
{
    if (!m_hWnd)
        return;
    const int count = GetCount();
    for (int index = 0; index < count; ++index) {
        CFontEntry* entry = GetEntry(index);
        SetItemData(index, 0);
        delete entry;
    }
    ResetContent();
}

CFontEntry* CFontCombo::GetEntry(int index) const
{
    if (!m_hWnd || index < 0 || index >= GetCount())
        return nullptr;
    const DWORD_PTR data = GetItemData(index);
    return data == static_cast<DWORD_PTR>(CB_ERR) ? nullptr : reinterpret_cast<CFontEntry*>(data);
}

int CFontCombo::GetFontIndex(const char* face, unsigned char charSet) const
{
    if (!face || !m_hWnd)
        return -1;
    const int count = GetCount();
    for (int index = 0; index < count; ++index) {
        const CFontEntry* entry = GetEntry(index);
        if (entry && entry->GetLogFont().lfCharSet == charSet && std::strcmp(entry->GetLogFont().lfFaceName, face) == 0)
            return index;
    }
    return -1;
}

int CFontCombo::SelectFont(const char* face, unsigned char charSet)
{
    const int index = GetFontIndex(face, charSet);
    SetCurSel(index);
    return index;
}

LOGFONTA* CFontCombo::GetFontInfo(int index) const
{
    CFontEntry* entry = GetEntry(index);
    return entry ? const_cast<LOGFONTA*>(&entry->GetLogFont()) : nullptr;
}

LOGFONTA* CFontCombo::GetFontInfo(const char* face, unsigned char charSet) const
{
    return GetFontInfo(GetFontIndex(face, charSet));
}

LOGFONTA* CFontCombo::GetSelectedFontInfo() const
{
    return m_hWnd ? GetFontInfo(GetCurSel()) : nullptr;
}

void CFontCombo::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    // Made before the device context is saved, so that it is selected out (restored)
    // before it is deleted.
    CFont font;
    const int saved = dc->SaveDC();
    DrawBase(lpDrawItemStruct);
    if (const CFontEntry* entry = GetEntry(static_cast<int>(lpDrawItemStruct->itemID))) {
        if (font.CreatePointFontIndirect(&entry->GetLogFont(), dc))
            dc->SelectObject(&font);
        CRect rect(lpDrawItemStruct->rcItem);
        rect.left += 2;
        dc->DrawText(entry->GetFontName(), &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    dc->RestoreDC(saved);
}

int CFontCombo::CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    const CString first = NameOf(lpCompareItemStruct->itemData1);
    const CString second = NameOf(lpCompareItemStruct->itemData2);
    const int order = ::_mbscmp(reinterpret_cast<const unsigned char*>(static_cast<const char*>(first)),
                                reinterpret_cast<const unsigned char*>(static_cast<const char*>(second)));
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

void CFontCombo::DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    delete reinterpret_cast<CFontEntry*>(lpDeleteItemStruct->itemData);
}
