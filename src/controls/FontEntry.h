#pragma once
#include "afxwin.h"

// One font of the font combo box: a copy of its enumeration record (the LOGFONT, full
// name, style and script) and its font type (TRUETYPE_FONTTYPE ...).
class AFX_EXT_CLASS CFontEntry {
public:
    CFontEntry(const ENUMLOGFONTEXA& font, unsigned long fontType);
    virtual ~CFontEntry();

    const ENUMLOGFONTEXA& GetFont() const { return mFont; }
    const LOGFONTA& GetLogFont() const { return mFont.elfLogFont; }
    unsigned long GetFontType() const { return mFontType; }
    // The face name and the script: "Arial (Cyrillic)".
    CString GetFontName() const;

private:
    ENUMLOGFONTEXA mFont;
    unsigned long mFontType;
};
