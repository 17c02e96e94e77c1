#include "panels/TextEditorControls.h"

#include "persist/WholeFile.h"
#include "res/resource.h"
#include "util/DrawingUtils.h"

#include <cstdlib>
#include <vector>

namespace {

// Each button's first picture (up); down and checked follow it.
struct ButtonInfo {
    const char* label;
    int id;
    int bitmap;
    CRect paneRect;
};

const ButtonInfo kButtons[] = {
    { "Bold", IDC_TNW_BOLD, IDB_TNW_BOLD, { 230, 0, 253, 22 } },
    { "Italic", IDC_TNW_ITALIC, IDB_TNW_ITALIC, { 253, 0, 276, 22 } },
    { "Underline", IDC_TNW_UNDERLINE, IDB_TNW_UNDERLINE, { 276, 0, 299, 22 } },
    { "Align Left", IDC_TNW_ALIGN_LEFT, IDB_TNW_ALIGN_LEFT, { 310, 0, 333, 22 } },
    { "Align Center", IDC_TNW_ALIGN_CENTER, IDB_TNW_ALIGN_CENTER, { 333, 0, 356, 22 } },
    { "Align Right", IDC_TNW_ALIGN_RIGHT, IDB_TNW_ALIGN_RIGHT, { 356, 0, 379, 22 } },
};

// Line breaks as GetText gives them: the text box's single "\r" becomes "\r\n".
CString WithCrLf(const char* text)
{
    CString result;
    for (const char* c = text; *c; ++c) {
        result += *c;
        if (*c == '\r' && c[1] != '\n')
            result += '\n';
    }
    return result;
}

} // namespace

bool CTextEditorControls::Create(CWnd* parent)
{
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (!mFonts.Create(child | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(0, 0, 160, 120), parent, IDC_TNW_PANE_FONTS)
        || !mSizes.Create(child | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(170, 0, 220, 120), parent, IDC_TNW_PANE_SIZES))
        return false;
    // The size list speaks the library's dialog font.
    mSizes.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(UDrawingUtils::GetFont()->GetSafeHandle()), TRUE);
    CBitmapCheckBox* buttons[] = { &mBold, &mItalic, &mUnderline, &mAlignLeft, &mAlignCenter, &mAlignRight };
    for (int i = 0; i < 6; ++i) {
        if (!buttons[i]->Create(kButtons[i].label, child, kButtons[i].paneRect, parent, kButtons[i].id))
            return false;
    }
    return mText.Create(child | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                        CRect(8, 40, 400, 100), parent, IDC_TNW_TEXT) != FALSE;
}

void CTextEditorControls::Exchange(CDataExchange* pDX, int fontsId, int sizesId)
{
    DDX_Control(pDX, fontsId, mFonts);
    DDX_Control(pDX, sizesId, mSizes);
    CBitmapCheckBox* buttons[] = { &mBold, &mItalic, &mUnderline, &mAlignLeft, &mAlignCenter, &mAlignRight };
    for (int i = 0; i < 6; ++i)
        DDX_Control(pDX, kButtons[i].id, *buttons[i]);
    DDX_Control(pDX, IDC_TNW_TEXT, mText);
}

void CTextEditorControls::Initialize(bool bound)
{
    CBitmapCheckBox* buttons[] = { &mBold, &mItalic, &mUnderline, &mAlignLeft, &mAlignCenter, &mAlignRight };
    for (int i = 0; i < 6; ++i) {
        const UINT up = kButtons[i].bitmap;
        // A template's buttons show their up picture when focused or disabled too.
        if (bound)
            buttons[i]->LoadBitmaps(up, up + 1, up, up);
        else
            buttons[i]->LoadBitmaps(up, up + 1);
        buttons[i]->LoadCheckedBitmap(up + 2);
    }
    mText.SendMessage(EM_SETEVENTMASK, 0, ENM_SELCHANGE | ENM_CHANGE);
    if (bound) {
        mText.LimitText(CStyledEdit::kTextLimit);
        mFonts.LoadFonts();
        mSizes.LoadSizes();
    } else {
        mText.SendMessage(EM_SETBKGNDCOLOR, 0, kPaneBackground);
    }
    GetDefault();
    UpdateControls();
    ReadyToEdit();
}

bool CTextEditorControls::HasSelection()
{
    long start = 0;
    long end = 0;
    if (IsReady())
        mText.GetSel(start, end);
    return start != end;
}

void CTextEditorControls::Copy()
{
    mText.SendMessage(WM_COPY);
}

void CTextEditorControls::Clear()
{
    mText.SendMessage(WM_CLEAR);
}

bool CTextEditorControls::CanPaste()
{
    return IsReady() && mText.SendMessage(EM_CANPASTE) != 0;
}

void CTextEditorControls::Paste()
{
    mText.SendMessage(WM_PASTE);
}

bool CTextEditorControls::CanUndo()
{
    return IsReady() && mText.SendMessage(EM_CANUNDO) != 0;
}

void CTextEditorControls::Undo()
{
    mText.SendMessage(EM_UNDO);
}

void CTextEditorControls::SelectAll()
{
    if (IsReady())
        mText.SetSel(0, -1);
}

void CTextEditorControls::Empty()
{
    SelectAll();
    Clear();
}

void CTextEditorControls::ReadyToEdit()
{
    if (IsReady())
        mText.SetFocus();
}

void CTextEditorControls::SetReadOnly(bool readOnly)
{
    mText.SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

void CTextEditorControls::SetData(CHandle& data)
{
    if (!IsReady())
        return;
    if (data.GetSize() == 0)
        GetDefault();
    else
        mText.SetData(data);
    ReadyToEdit();
    UpdateControls();
}

void CTextEditorControls::GetData(CHandle& data, bool rich)
{
    if (!IsReady()) {
        data.Empty();
        return;
    }
    SetDefault();
    mText.GetData(data, rich);
}

void CTextEditorControls::GetDefault()
{
    if (!IsReady())
        return;
    mText.SetSel(0, -1);
    mText.SetFont(mDefault.GetFontName(), mDefault.GetCharSet(), false);
    mText.SetSize(mDefault.GetFontSize(), false);
    mText.SetBold(mDefault.GetBold(), false);
    mText.SetItalic(mDefault.GetItalic(), false);
    mText.SetUnderline(mDefault.GetUnderline(), false);
}

void CTextEditorControls::SetDefault()
{
    if (!IsReady())
        return;
    CString face;
    unsigned char charSet = 0;
    if (mText.GetFont(face, charSet)) {
        mDefault.SetFontName(face);
        mDefault.SetCharSet(charSet);
    }
    // A selection of mixed sizes has none to keep.
    const long size = mText.GetSize();
    if (size > 0)
        mDefault.SetFontSize(size);
    mDefault.SetBold(mText.GetBold());
    mDefault.SetItalic(mText.GetItalic());
    mDefault.SetUnderline(mText.GetUnderline());
    mDefault.SetAlignment(mText.GetAlignment());
}

void CTextEditorControls::UpdateControls()
{
    if (!IsReady())
        return;
    if (mFonts.m_hWnd) {
        CString face;
        unsigned char charSet = 0;
        if (mText.GetFont(face, charSet))
            mFonts.SelectFont(face, charSet);
        else
            mFonts.SetCurSel(-1);
    }
    if (mSizes.m_hWnd)
        mSizes.Select(static_cast<int>(mText.GetSize()));
    mBold.SetCheck(mText.GetBold());
    mItalic.SetCheck(mText.GetItalic());
    mUnderline.SetCheck(mText.GetUnderline());
    mAlignLeft.SetCheck(mText.GetLeftAlign());
    mAlignCenter.SetCheck(mText.GetCenterAlign());
    mAlignRight.SetCheck(mText.GetRightAlign());
}

bool CTextEditorControls::Import(const char* path)
{
    if (!IsReady() || !path || !*path)
        return false;
    CFile file;
    CFileException openError;
    if (!file.Open(path, CFile::modeRead | CFile::shareExclusive, &openError))
        return false;
    CHandle data;
    try {
        const ULONGLONG length = file.GetLength();
        if (length > kImportLimit)
            return false;
        // One byte more, and zero: the text box reads the bytes as a text that ends there.
        const unsigned long size = static_cast<unsigned long>(length);
        if (!data.Allocate(size + 1, true, true))
            return false;
        const UINT read = size ? file.Read(data.GetBuffer(), size) : 0;
        data.SetSize(read + 1);
        file.Close();
    } catch (CException* failure) {
        failure->Delete();
        return false;
    }
    SetData(data);
    return true;
}

bool CTextEditorControls::Export(const char* path, bool rich)
{
    if (!IsReady())
        return false;
    CHandle data;
    GetData(data, rich);
    static const unsigned char kNothing = 0;
    return UWholeFile::Replace(path, data.GetSize() ? data.GetBuffer() : &kNothing, data.GetSize());
}

void CTextEditorControls::Select(unsigned long start, unsigned long count)
{
    if (IsReady())
        mText.SetSel(static_cast<long>(start), static_cast<long>(start + count));
}

CString CTextEditorControls::GetText()
{
    CString text;
    if (IsReady())
        mText.GetText(text);
    return text;
}

CString CTextEditorControls::GetTextFromCursor(long& start)
{
    long end = 0;
    start = 0;
    if (!IsReady())
        return CString();
    mText.GetSel(start, end);
    return GetRange(start, end != start ? end : -1);
}

CString CTextEditorControls::GetRange(long start, long end)
{
    if (end < 0) {
        GETTEXTLENGTHEX measure = { GTL_NUMCHARS | GTL_PRECISE, CP_ACP };
        end = static_cast<long>(mText.SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&measure)));
    }
    if (end <= start)
        return CString();
    // Two bytes a character leave room for any character of a multi-byte code page.
    std::vector<char> buffer(2 * static_cast<size_t>(end - start) + 2, '\0');
    TEXTRANGEA range = { { start, end }, buffer.data() };
    mText.SendMessage(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    buffer.back() = '\0';
    return WithCrLf(buffer.data());
}

void CTextEditorControls::ApplyFont()
{
    if (LOGFONTA* font = mFonts.GetSelectedFontInfo())
        mText.SetFont(font, false);
    Done();
}

void CTextEditorControls::ApplySize()
{
    const int index = mSizes.GetCurSel();
    CString text;
    if (index >= 0)
        mSizes.GetLBText(index, text);
    const int size = index >= 0 ? std::atoi(text) : mSizes.GetSize();
    if (size > 0)
        mText.SetSize(size, false);
    Done();
}

void CTextEditorControls::ToggleBold()
{
    mText.SetBold(!mText.GetBold(), false);
    Done();
}

void CTextEditorControls::ToggleItalic()
{
    mText.SetItalic(!mText.GetItalic(), false);
    Done();
}

void CTextEditorControls::ToggleUnderline()
{
    mText.SetUnderline(!mText.GetUnderline(), false);
    Done();
}

void CTextEditorControls::AlignLeft()
{
    mText.SetLeftAlign(true);
    Done();
}

void CTextEditorControls::AlignCenter()
{
    mText.SetCenterAlign(true);
    Done();
}

void CTextEditorControls::AlignRight()
{
    mText.SetRightAlign(true);
    Done();
}

void CTextEditorControls::Done()
{
    ReadyToEdit();
    UpdateControls();
}
