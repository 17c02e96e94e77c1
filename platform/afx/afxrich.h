#pragma once
// The rich edit control (version 2 and later, class "RichEdit20A") as a window object.
#include "afxwin.h"

#include <richedit.h>

// Loads the rich edit library once, so that templates and Create can make its controls.
// FALSE when the library is missing.
AFX_CORE_CLASS BOOL AFXAPI AfxInitRichEdit();

class AFX_CORE_CLASS CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl();
    ~CRichEditCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Character positions; (0, -1) selects everything, (-1, ...) removes the selection.
    void GetSel(long& nStartChar, long& nEndChar) const;
    void SetSel(long nStartChar, long nEndChar);
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    CString GetSelText() const;
};
