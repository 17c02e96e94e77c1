#pragma once
// Windows' standard controls as window objects: edit, list box and combo box. Dialogs bind
// them to the controls of their templates with DDX_Control; each member sends the
// control's own message, so a wrapper adds no state of its own.
#include "afxwin.h"

class AFX_CORE_CLASS CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit();
    ~CEdit() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void GetSel(int& nStartChar, int& nEndChar) const;
    // nEndChar -1 selects to the end; (0, -1) selects everything.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    // 0 lifts the limit to the largest the control allows.
    void LimitText(int nChars = 0);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    int GetLineCount() const;
};

class AFX_CORE_CLASS CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox();
    ~CListBox() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const;
    // The selected index of a single-selection list, or LB_ERR when none is selected.
    int GetCurSel() const;
    // -1 clears the selection.
    int SetCurSel(int nSelect);
    int GetTextLen(int nIndex) const;
    // The entry's text; empty for an index out of range.
    void GetText(int nIndex, CString& rString) const;
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);

    // Indexes where the string went, or LB_ERR / LB_ERRSPACE.
    int AddString(LPCSTR lpszItem);
    int InsertString(int nIndex, LPCSTR lpszItem);
    int DeleteString(UINT nIndex);
    void ResetContent();
    // Searches after nStartAfter (-1: from the top), ignoring case: FindString matches a
    // prefix, FindStringExact the whole entry, SelectString selects the prefix match.
    int FindString(int nStartAfter, LPCSTR lpszItem) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCSTR lpszItem);
};

class AFX_CORE_CLASS CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox();
    ~CComboBox() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const;
    // The selected index, or CB_ERR when none is selected.
    int GetCurSel() const;
    // -1 clears the selection (and the edit field of a drop-down combo box).
    int SetCurSel(int nSelect);
    int GetLBTextLen(int nIndex) const;
    // The entry's text; empty for an index out of range.
    void GetLBText(int nIndex, CString& rString) const;
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);

    int AddString(LPCSTR lpszString);
    int InsertString(int nIndex, LPCSTR lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent();
    // As CListBox: FindString matches a prefix, FindStringExact the whole entry, both
    // ignoring case.
    int FindString(int nStartAfter, LPCSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCSTR lpszString);

    // The edit field of a drop-down combo box.
    DWORD GetEditSel() const;
    BOOL SetEditSel(int nStartChar, int nEndChar);
    BOOL LimitText(int nMaxChars);
    void ShowDropDown(BOOL bShowIt = TRUE);
    BOOL GetDroppedState() const;

    // Owner-drawn combo boxes (CBS_OWNERDRAWFIXED or CBS_OWNERDRAWVARIABLE) draw, measure,
    // sort (CBS_SORT without CBS_HASSTRINGS) and forget their items here: the parent's
    // messages for them come to the combo box itself. The defaults draw nothing, keep the
    // measured height, order items as they come and forget nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
