#pragma once
#include "controls/DrawComboBox.h"
#include "controls/FontEntry.h"

// A combo box of the installed fonts: each face once for every script it supports
// ("Arial (Western)", "Arial (Cyrillic)" ...), sorted by that name and drawn in its own
// face at 9 points. The fonts are listed when the combo box is created and forgotten when
// it is destroyed.
//
// Each item owns a CFontEntry, kept as its item data. An entry is freed exactly once:
// ResetFonts takes each entry out of its item before it frees it and empties the list,
// and DeleteItem frees the entry of an item the combo box removes otherwise.
//
// Faces are matched exactly, letter case included.
//
// Decisions of this library:
// - A face and script that the system reports twice is listed once.
// - Created with Create, the combo box is sorted and owner-drawn; one subclassed from a
//   dialog template needs CBS_OWNERDRAWFIXED and CBS_SORT there, without CBS_HASSTRINGS,
//   and lists its fonts when LoadFonts is called.
class AFX_EXT_CLASS CFontCombo : public CDrawComboBox {
public:
    CFontCombo();
    ~CFontCombo() override;

    // Lists every font family of every character set on the combo box's device context.
    void LoadFonts();
    // Adds one enumerated font; the record's height is set to 90 (tenths of a point, the
    // 9 points it is drawn at), its width to 0 and its weight to normal.
    void AddFont(ENUMLOGFONTEXA* font, unsigned long fontType);
    // Frees every entry and empties the list.
    void ResetFonts();

    // The first item of the face (exact) and character set, or -1.
    int GetFontIndex(const char* face, unsigned char charSet) const;
    // Selects that item (-1 clears the selection) and returns its index.
    int SelectFont(const char* face, unsigned char charSet);
    // The item's font record, null for -1 or an index out of range. It stays valid while
    // the item is listed.
    LOGFONTA* GetFontInfo(int index) const;
    LOGFONTA* GetFontInfo(const char* face, unsigned char charSet) const;
    LOGFONTA* GetSelectedFontInfo() const;
    // The item's entry, null for an index out of range.
    CFontEntry* GetEntry(int index) const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) override;
    void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    static int CALLBACK EnumFont(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType, LPARAM param);
};
