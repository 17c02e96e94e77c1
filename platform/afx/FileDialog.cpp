#include "afxdlgs.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog(static_cast<UINT>(0), pParentWnd) {}

CCommonDialog::~CCommonDialog() = default;

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_szFileName(),
      m_szFileTitle()
{
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    if (lpszFileName)
        lstrcpynA(m_szFileName, lpszFileName, sizeof m_szFileName);
    if (lpszFilter) {
        m_strFilter = lpszFilter;
        // The system wants zero bytes where the text has bars; CString keeps them because
        // the length is counted, not searched.
        LPSTR filter = m_strFilter.GetBuffer(0);
        for (int i = 0; i < m_strFilter.GetLength(); ++i) {
            if (filter[i] == '|')
                filter[i] = '\0';
        }
        m_ofn.lpstrFilter = filter;
    }
}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = PreModal();
    m_ofn.hInstance = AfxGetInstanceHandle();
    m_ofn.Flags |= OFN_EXPLORER;
    const BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return m_ofn.lpstrFile;
}

CString CFileDialog::GetFileName() const
{
    const CString path = GetPathName();
    const int separator = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    return path.Mid(separator + 1);
}

CString CFileDialog::GetFileExt() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

BOOL CFileDialog::GetReadOnlyPref() const
{
    return (m_ofn.Flags & OFN_READONLY) != 0;
}

POSITION CFileDialog::GetStartPosition() const
{
    if (!m_ofn.lpstrFile || !*m_ofn.lpstrFile)
        return nullptr;
    return reinterpret_cast<POSITION>(m_ofn.lpstrFile);
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    LPCSTR entry = reinterpret_cast<LPCSTR>(pos);
    LPCSTR buffer = m_ofn.lpstrFile;
    if (!entry)
        return CString();
    LPCSTR afterFirst = buffer + std::strlen(buffer) + 1;
    if (entry == buffer) {
        // One file, or no multiple selection at all: the first text is the whole path.
        if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT) || !*afterFirst) {
            pos = nullptr;
            return buffer;
        }
        entry = afterFirst;
    }
    LPCSTR next = entry + std::strlen(entry) + 1;
    pos = *next ? reinterpret_cast<POSITION>(const_cast<LPSTR>(next)) : nullptr;
    CString folder = buffer;
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != '\\' && folder[folder.GetLength() - 1] != '/')
        folder += '\\';
    return folder + entry;
}
