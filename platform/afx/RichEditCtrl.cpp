#include "afxrich.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

BOOL AFXAPI AfxInitRichEdit()
{
    // Loaded for the life of the process: controls of its class may exist until the end.
    static const HMODULE sLibrary = ::LoadLibraryA("riched20.dll");
    return sLibrary != nullptr;
}

CRichEditCtrl::CRichEditCtrl() = default;
CRichEditCtrl::~CRichEditCtrl() = default;

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxInitRichEdit())
        return FALSE;
    return CWnd::Create(RICHEDIT_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE range = {};
    ::SendMessageA(m_hWnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    nStartChar = range.cpMin;
    nEndChar = range.cpMax;
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE range = { nStartChar, nEndChar };
    ::SendMessageA(m_hWnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void CRichEditCtrl::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo)
{
    ::SendMessageA(m_hWnd, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText ? lpszNewText : ""));
}

CString CRichEditCtrl::GetSelText() const
{
    long start = 0;
    long end = 0;
    GetSel(start, end);
    CString text;
    if (end <= start)
        return text;
    // EM_GETSELTEXT writes the selection and its terminator, nothing more; in a multi-byte
    // code page a character may take two bytes.
    LPSTR buffer = text.GetBuffer(static_cast<int>(end - start) * 2);
    const LRESULT copied = ::SendMessageA(m_hWnd, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer));
    text.ReleaseBuffer(static_cast<int>(copied));
    return text;
}

long CRichEditCtrl::GetTextLength() const
{
    return static_cast<long>(::SendMessageA(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
}

void CRichEditCtrl::LimitText(long nChars)
{
    ::SendMessageA(m_hWnd, EM_EXLIMITTEXT, 0, nChars);
}

long CRichEditCtrl::GetLimitText() const
{
    return static_cast<long>(::SendMessageA(m_hWnd, EM_GETLIMITTEXT, 0, 0));
}

namespace {

template <class Format>
Format& Prepared(Format& format)
{
    format.cbSize = sizeof(Format);
    return format;
}

} // namespace

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMATA& cf) const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, EM_GETCHARFORMAT, SCF_SELECTION,
                                             reinterpret_cast<LPARAM>(&Prepared(cf))));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMATA& cf)
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION,
                                            reinterpret_cast<LPARAM>(&Prepared(cf))));
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMATA& cf) const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, EM_GETCHARFORMAT, SCF_DEFAULT,
                                             reinterpret_cast<LPARAM>(&Prepared(cf))));
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMATA& cf)
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_SETCHARFORMAT, SCF_DEFAULT,
                                            reinterpret_cast<LPARAM>(&Prepared(cf))));
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf) const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&Prepared(pf))));
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& pf)
{
    return static_cast<BOOL>(::SendMessageA(m_hWnd, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&Prepared(pf))));
}

long CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es)
{
    return static_cast<long>(::SendMessageA(m_hWnd, EM_STREAMIN, static_cast<WPARAM>(nFormat),
                                            reinterpret_cast<LPARAM>(&es)));
}

long CRichEditCtrl::StreamOut(int nFormat, EDITSTREAM& es)
{
    return static_cast<long>(::SendMessageA(m_hWnd, EM_STREAMOUT, static_cast<WPARAM>(nFormat),
                                            reinterpret_cast<LPARAM>(&es)));
}
