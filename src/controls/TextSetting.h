#pragma once
#include "afxwin.h"
#include "tnwwndut.h"

// One text style kept in the running application's settings, under the key "Text": the
// font ("Font", "Character Set"), its size in points ("Size"), "Bold", "Italic",
// "Underline" and the paragraph "Alignment" (1 left, 2 right, 3 centre). Setters store at
// once and getters read at once, so several objects of this class share one style.
//
// Reads give the defaults of a fresh installation when nothing is stored: "Arial",
// character set 0, 12 points, not bold, not italic, not underlined, left aligned.
// Booleans are stored as 1 or 0, and any stored value other than 0 reads as true.
//
// Decision of this library: a stored value that no style can have - a character set
// beyond 255, an alignment other than 1, 2 or 3, a size that is not positive - reads as
// the default, so that a damaged setting never reaches a control.
class AFX_EXT_CLASS CTextSetting {
public:
    CTextSetting();
    virtual ~CTextSetting();

    void SetFontName(const char* name);
    void SetCharSet(unsigned char charSet);
    void SetFontSize(long points);
    void SetBold(bool bold);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);
    void SetAlignment(unsigned short alignment);

    CString GetFontName() const;
    unsigned char GetCharSet() const;
    long GetFontSize() const;
    bool GetBold() const;
    bool GetItalic() const;
    bool GetUnderline() const;
    unsigned short GetAlignment() const;

private:
    mutable CRegistry mFont;
    CRegistry mCharSet;
    CRegistry mSize;
    CRegistry mBold;
    CRegistry mItalic;
    CRegistry mUnderline;
    CRegistry mAlignment;
};
