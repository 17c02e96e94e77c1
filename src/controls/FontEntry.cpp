#include "controls/FontEntry.h"

CFontEntry::CFontEntry(const ENUMLOGFONTEXA& font, unsigned long fontType) : mFont(font), mFontType(fontType)
{
    // The record comes from outside: its texts end within their arrays from now on.
    mFont.elfLogFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    mFont.elfFullName[LF_FULLFACESIZE - 1] = 0;
    mFont.elfStyle[LF_FACESIZE - 1] = 0;
    mFont.elfScript[LF_FACESIZE - 1] = 0;
}

CFontEntry::~CFontEntry() = default;

CString CFontEntry::GetFontName() const
{
    return CString(mFont.elfLogFont.lfFaceName) + " ("
           + CString(reinterpret_cast<const char*>(mFont.elfScript)) + ")";
}
