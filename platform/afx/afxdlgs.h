#pragma once
// The system's common dialogs as framework dialogs.
#include "afxwin.h"

#include <commdlg.h>

// Base of the dialogs that the system builds from its own templates.
class AFX_CORE_CLASS CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);
    ~CCommonDialog() override;
};

// The file open and save dialogs. The dialog is always explorer-style, so a multiple
// selection comes back as the folder, a zero byte and the file names separated by zero
// bytes; GetStartPosition and GetNextPathName walk it as full paths. A caller may point
// m_ofn.lpstrFile at a larger buffer of its own before DoModal, and may set
// m_ofn.lpstrFilter to a ready zero-separated filter text.
class AFX_CORE_CLASS CFileDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter pairs a description with its patterns, each part ended by "|", the whole
    // text by "||": "Videos (*.mp4)|*.mp4|All Files (*.*)|*.*||".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    ~CFileDialog() override;

    OPENFILENAMEA m_ofn;

    // IDOK when the user chose, IDCANCEL otherwise; CommDlgExtendedError tells a
    // failure from a cancel.
    INT_PTR DoModal() override;

    // The chosen path (the first one of a multiple selection is the folder).
    CString GetPathName() const;
    // "clip.mp4", "mp4" and "clip" of the chosen path.
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const;

    // Null when nothing was chosen.
    POSITION GetStartPosition() const;
    // The full path at pos, and pos moved on (null after the last one).
    CString GetNextPathName(POSITION& pos) const;

protected:
    BOOL m_bOpenFileDialog;
    CString m_strFilter;
    char m_szFileName[MAX_PATH];
    char m_szFileTitle[64];
};
