#include "controls/TextSetting.h"

namespace {

const char kKey[] = "Text";
const char kDefaultFont[] = "Arial";
const unsigned long kDefaultSize = 12;
const unsigned long kLeft = 1;
const unsigned long kCenter = 3;

} // namespace

CTextSetting::CTextSetting()
    : mFont(kKey, "Font", nullptr), mCharSet(kKey, "Character Set", nullptr), mSize(kKey, "Size", nullptr),
      mBold(kKey, "Bold", nullptr), mItalic(kKey, "Italic", nullptr), mUnderline(kKey, "Underline", nullptr),
      mAlignment(kKey, "Alignment", nullptr)
{
}

CTextSetting::~CTextSetting() = default;

void CTextSetting::SetFontName(const char* name)
{
    mFont.SetTextValue(name);
}

void CTextSetting::SetCharSet(unsigned char charSet)
{
    mCharSet.SetValue(charSet);
}

void CTextSetting::SetFontSize(long points)
{
    mSize.SetValue(static_cast<unsigned long>(points));
}

void CTextSetting::SetBold(bool bold)
{
    mBold.SetValue(bold ? 1 : 0);
}

void CTextSetting::SetItalic(bool italic)
{
    mItalic.SetValue(italic ? 1 : 0);
}

void CTextSetting::SetUnderline(bool underline)
{
    mUnderline.SetValue(underline ? 1 : 0);
}

void CTextSetting::SetAlignment(unsigned short alignment)
{
    mAlignment.SetValue(alignment);
}

CString CTextSetting::GetFontName() const
{
    return mFont.GetTextValue(kDefaultFont);
}

unsigned char CTextSetting::GetCharSet() const
{
    const unsigned long charSet = mCharSet.GetValue(0);
    return static_cast<unsigned char>(charSet <= 255 ? charSet : 0);
}

long CTextSetting::GetFontSize() const
{
    // Read as a signed number: a size stored as -n is not a huge positive one.
    const long size = static_cast<long>(mSize.GetValue(kDefaultSize));
    return size > 0 ? size : static_cast<long>(kDefaultSize);
}

bool CTextSetting::GetBold() const
{
    return mBold.GetValue(0) != 0;
}

bool CTextSetting::GetItalic() const
{
    return mItalic.GetValue(0) != 0;
}

bool CTextSetting::GetUnderline() const
{
    return mUnderline.GetValue(0) != 0;
}

unsigned short CTextSetting::GetAlignment() const
{
    const unsigned long alignment = mAlignment.GetValue(kLeft);
    return static_cast<unsigned short>(alignment >= kLeft && alignment <= kCenter ? alignment : kLeft);
}
