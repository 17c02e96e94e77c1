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
    // Characters in the control, as WM_GETTEXTLENGTH counts them.
    long GetTextLength() const;
    // 0 gives the control's default limit (64 K characters).
    void LimitText(long nChars = 0);
    long GetLimitText() const;

    // Character formats. The selection's: what the whole selection shares (the mask tells
    // which members do), or the insertion point's when nothing is selected; setting it with
    // nothing selected formats what is typed next. The default one: text with no format of
    // its own.
    DWORD GetSelectionCharFormat(CHARFORMATA& cf) const;
    BOOL SetSelectionCharFormat(CHARFORMATA& cf);
    DWORD GetDefaultCharFormat(CHARFORMATA& cf) const;
    BOOL SetDefaultCharFormat(CHARFORMATA& cf);
    // The paragraph format of the selection (of its first paragraph, for members that
    // differ).
    DWORD GetParaFormat(PARAFORMAT& pf) const;
    BOOL SetParaFormat(PARAFORMAT& pf);

    // Streams text in (replacing everything, or the selection with SFF_SELECTION in
    // nFormat) or out, through the callback of es; the number of characters moved.
    long StreamIn(int nFormat, EDITSTREAM& es);
    long StreamOut(int nFormat, EDITSTREAM& es);
};
