#include "controls/StyledEdit.h"

#include <cstring>

namespace {

// What the stream callbacks read from or write to.
struct StreamBuffer {
    CHandle* data;
    const unsigned char* bytes;
    unsigned long size;
    unsigned long position;
};

DWORD CALLBACK ReadBuffer(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given)
{
    auto* stream = reinterpret_cast<StreamBuffer*>(cookie);
    const unsigned long left = stream->size - stream->position;
    const unsigned long count = wanted > 0 && static_cast<unsigned long>(wanted) < left ? static_cast<unsigned long>(wanted) : left;
    if (count)
        std::memcpy(buffer, stream->bytes + stream->position, count);
    stream->position += count;
    *given = static_cast<LONG>(count);
    return 0;
}

DWORD CALLBACK WriteBuffer(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* taken)
{
    auto* stream = reinterpret_cast<StreamBuffer*>(cookie);
    const bool appended = count <= 0 || stream->data->Append(buffer, static_cast<unsigned long>(count));
    *taken = appended ? count : 0;
    // A buffer that cannot grow ends the stream rather than losing chunks in its middle.
    return appended ? 0 : 1;
}

bool IsRichText(const unsigned char* bytes, unsigned long size)
{
    return size > 5 && std::memcmp(bytes, "{\\rtf", 5) == 0;
}

// A handle over the bytes of a text and its terminating zero.
void TextHandle(const char* text, CHandle& data)
{
    data.Append(text ? text : "", text ? static_cast<unsigned long>(std::strlen(text)) + 1 : 1);
}

} // namespace

BEGIN_MESSAGE_MAP(CStyledEdit, CRichEditCtrl)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CStyledEdit::CStyledEdit() = default;

int CStyledEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CRichEditCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    LimitText(kTextLimit);
    return 0;
}

void CStyledEdit::SetCharFormat(CHARFORMATA& format, bool asDefault)
{
    SetSelectionCharFormat(format);
    if (asDefault)
        SetDefaultCharFormat(format);
}

CHARFORMATA CStyledEdit::GetCharFormat()
{
    CHARFORMATA format = {};
    format.dwMask = CFM_ALL;
    GetSelectionCharFormat(format);
    return format;
}

void CStyledEdit::SetFont(const char* face, bool asDefault)
{
    SetFont(face, 0, asDefault);
}

void CStyledEdit::SetFont(const char* face, unsigned char charSet, bool asDefault)
{
    if (!face)
        return;
    CHARFORMATA format = {};
    format.dwMask = CFM_FACE | CFM_CHARSET;
    format.bCharSet = charSet;
    ::lstrcpynA(format.szFaceName, face, LF_FACESIZE);
    SetCharFormat(format, asDefault);
}

void CStyledEdit::SetFont(const LOGFONTA* font, bool asDefault)
{
    if (font)
        SetFont(font->lfFaceName, font->lfCharSet, asDefault);
}

bool CStyledEdit::GetFont(CString& face, unsigned char& charSet)
{
    const CHARFORMATA format = GetCharFormat();
    if ((format.dwMask & (CFM_FACE | CFM_CHARSET)) != (CFM_FACE | CFM_CHARSET))
        return false;
    face = format.szFaceName;
    charSet = format.bCharSet;
    return true;
}

void CStyledEdit::SetSize(long points, bool asDefault)
{
    CHARFORMATA format = {};
    format.dwMask = CFM_SIZE;
    format.yHeight = points * 20;
    SetCharFormat(format, asDefault);
}

long CStyledEdit::GetSize()
{
    return GetCharFormat().yHeight / 20;
}

void CStyledEdit::SetEffect(DWORD effect, bool on, bool asDefault)
{
    // The mask bits of bold, italic and underline are those of their effects.
    CHARFORMATA format = {};
    format.dwMask = effect;
    format.dwEffects = on ? effect : 0;
    SetCharFormat(format, asDefault);
}

bool CStyledEdit::GetEffect(DWORD effect)
{
    return (GetCharFormat().dwEffects & effect) != 0;
}

void CStyledEdit::SetBold(bool on, bool asDefault)
{
    SetEffect(CFE_BOLD, on, asDefault);
}

void CStyledEdit::SetItalic(bool on, bool asDefault)
{
    SetEffect(CFE_ITALIC, on, asDefault);
}

void CStyledEdit::SetUnderline(bool on, bool asDefault)
{
    SetEffect(CFE_UNDERLINE, on, asDefault);
}

bool CStyledEdit::GetBold()
{
    return GetEffect(CFE_BOLD);
}

bool CStyledEdit::GetItalic()
{
    return GetEffect(CFE_ITALIC);
}

bool CStyledEdit::GetUnderline()
{
    return GetEffect(CFE_UNDERLINE);
}

void CStyledEdit::SetColor(unsigned char red, unsigned char green, unsigned char blue, bool asDefault)
{
    CHARFORMATA format = {};
    format.dwMask = CFM_COLOR;
    format.dwEffects = 0; // no CFE_AUTOCOLOR
    format.crTextColor = RGB(red, green, blue);
    SetCharFormat(format, asDefault);
}

void CStyledEdit::SetLeftAlign(bool)
{
    SetAlignment(kLeft);
}

void CStyledEdit::SetCenterAlign(bool)
{
    SetAlignment(kCenter);
}

void CStyledEdit::SetRightAlign(bool)
{
    SetAlignment(kRight);
}

bool CStyledEdit::GetLeftAlign()
{
    return GetAlignment() == kLeft;
}

bool CStyledEdit::GetCenterAlign()
{
    return GetAlignment() == kCenter;
}

bool CStyledEdit::GetRightAlign()
{
    return GetAlignment() == kRight;
}

void CStyledEdit::SetAlignment(unsigned short alignment)
{
    PARAFORMAT format = {};
    format.dwMask = PFM_ALIGNMENT;
    format.wAlignment = alignment;
    SetParaFormat(format);
}

unsigned short CStyledEdit::GetAlignment()
{
    PARAFORMAT format = {};
    format.dwMask = PFM_ALIGNMENT;
    GetParaFormat(format);
    return format.wAlignment;
}

void CStyledEdit::StreamInBuffer(const CHandle& data, bool rich, bool selection)
{
    StreamBuffer stream = { nullptr, data.GetBuffer(), data.GetSize(), 0 };
    if (stream.size && stream.bytes[stream.size - 1] == 0)
        --stream.size;
    EDITSTREAM edit = { reinterpret_cast<DWORD_PTR>(&stream), 0, ReadBuffer };
    StreamIn((rich ? SF_RTF : SF_TEXT) | (selection ? SFF_SELECTION : 0), edit);
}

void CStyledEdit::SetData(CHandle& data)
{
    StreamInBuffer(data, IsRichText(data.GetBuffer(), data.GetSize()), false);
}

void CStyledEdit::AppendData(CHandle& data, bool rich)
{
    const long end = GetTextLength();
    SetSel(end, end);
    StreamInBuffer(data, rich, true);
}

void CStyledEdit::GetData(CHandle& data, bool rich)
{
    data.Empty();
    StreamBuffer stream = { &data, nullptr, 0, 0 };
    EDITSTREAM edit = { reinterpret_cast<DWORD_PTR>(&stream), 0, WriteBuffer };
    StreamOut(rich ? SF_RTF : SF_TEXT, edit);
}

void CStyledEdit::SetText(const char* text)
{
    CHandle data;
    TextHandle(text, data);
    SetData(data);
}

void CStyledEdit::AppendText(const char* text)
{
    CHandle data;
    TextHandle(text, data);
    AppendData(data, false);
}

void CStyledEdit::GetText(CString& text)
{
    GETTEXTLENGTHEX measure = { GTL_USECRLF | GTL_NUMCHARS, CP_ACP };
    const long length = static_cast<long>(SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure)));
    // Two bytes a character leave room for any character of a multi-byte code page.
    const long size = 2 * (length > 0 ? length : 0) + 2;
    GETTEXTEX get = { static_cast<DWORD>(size), GT_USECRLF, CP_ACP, nullptr, nullptr };
    LPSTR buffer = text.GetBuffer(size);
    const long copied = static_cast<long>(SendMessage(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                                      reinterpret_cast<LPARAM>(buffer)));
    text.ReleaseBuffer(copied > 0 && copied < size ? copied : 0);
}
