#pragma once
#include "afxlistctl.h"

#include <vector>

// A list-view that is always in report view, with:
// - a hidden record per row holding the caller's item data and a text and a background
//   colour per cell (painted through custom draw);
// - check boxes in four styles (none, normal, single check, read-only);
// - composite item states (selected, checked, focused and their opposites) to query,
//   count, find and change rows;
// - in-place editing of a cell with one edit window: a second click on a cell of the
//   selected row starts it; Tab, Enter, Esc, Up and Down move, commit or cancel it;
// - typed sorting on a header click (hexadecimal, decimal with an optional final "%",
//   date, then text), in sections between separator rows that stay in place;
// - row moves and swaps, header images, and columns from a compact definition string.
// The parent hears of user changes through three messages (kCheckChangedMessage,
// kSortedMessage, kEditCommittedMessage).
//
// Because each row's list-view item data is its record, callers exchange item data only
// through this class (SetItemData, GetItemData, and LVIF_PARAM of SetItem, GetItem and
// InsertItem), never with list-view messages.
//
// Decisions of this library:
// - Item data is pointer-sized, so that a row may carry a pointer in 64-bit builds.
// - ModifyStyleEx changes the window's own extended style exactly as asked. The list-view
//   extended bits this control needs (full-row select, sub-item images) live in the
//   list-view's extended style, which SetExtendedStyle keeps; they have no meaning among
//   window styles and are not forced there.
// - SetHeaderImageList(UINT, COLORREF) reuses the control's own header image list: a
//   second call releases the images of the first. It returns the header's previous list
//   when that was the caller's, null when it was the control's own.
// - SetCheckboxeStyle ignores styles other than 0 to 3.
// - While the control moves rows (sorting, MoveTo, SwapItems) each row's states travel
//   with its record; derived controls see _IsRearrangingRows() and leave the list-view's
//   item-change notifications of that time alone, for they are no user's doing.
class AFX_EXT_CLASS CReportCtrl : public CListCtrl {
    DECLARE_DYNAMIC(CReportCtrl)
public:
    // Check box styles.
    enum ECheckboxStyle : int {
        kCheckboxNone = 0,
        kCheckboxNormal = 1,
        kCheckboxSingle = 2,
        kCheckboxReadOnly = 3,
    };

    // Item states; several may be combined.
    enum EItemStates : DWORD {
        kItemAll = 0x01,
        kItemSelected = 0x02,
        kItemUnselected = 0x04,
        kItemChecked = 0x08,
        kItemUnchecked = 0x10,
        kItemFocused = 0x20,
        kItemUnfocused = 0x40,
    };

    // Sent to the parent: a click changed a row's check mark (wParam the row, lParam the
    // mouse message); a sort ran (wParam the column, lParam the ascending flag); an edit
    // changed a cell (wParam the row, lParam the column).
    enum ENotice : UINT {
        kCheckChangedMessage = WM_APP + 10000,
        kSortedMessage = WM_APP + 10001,
        kEditCommittedMessage = WM_APP + 10002,
    };

    CReportCtrl();
    ~CReportCtrl() override;

    // Creation and style. A null rectangle covers the parent's client area.
    virtual BOOL Create(CWnd* pParentWnd, UINT nID, const RECT* pRect = nullptr,
                        DWORD dwStyle = WS_BORDER | WS_TABSTOP);
    using CListCtrl::Create;
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    void SetGridLines(BOOL bSet = TRUE);
    void SetCheckboxeStyle(int nStyle = kCheckboxNormal);
    int GetCheckboxStyle() const;
    BOOL HasColumnHeader() const;
    BOOL SetSortable(BOOL bSet);
    BOOL IsSortable() const;
    void SetEditable(BOOL bSet = TRUE);
    BOOL IsEditable() const;
    void ResizeToFitParent();
    CEdit* GetEditControl();

    // Columns and header.
    int GetColumnCount() const;
    int InsertColumn(int nCol, const LVCOLUMNA* pColumn);
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    BOOL DeleteAllColumns();
    // Rebuilds the columns from "heading[,width[,alignment]];..." (alignment 1 centre, 2
    // right, anything else left; width 100 when missing). Deletes all rows first. TRUE
    // when at least one column was added.
    BOOL SetColumnHeader(const CString& strHeadings);
    CString GetHeaderText(int nColumn) const;
    BOOL SetHeaderText(int nColumn, LPCSTR lpText);
    BOOL SetHeaderImage(int nColumn, int nImageIndex, BOOL bLeftSide = TRUE);
    int GetHeaderImage(int nColumn) const;
    CImageList* SetHeaderImageList(CImageList* pImageList);
    CImageList* SetHeaderImageList(UINT nBitmapID, COLORREF crMask = RGB(255, 0, 255));

    // Rows.
    int InsertItem(int nIndex, LPCSTR lpText);
    int InsertItem(int nIndex, LPCSTR lpText, int nImage);
    int InsertItem(const LVITEMA* pItem);
    int InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    // Row texts from column 0 on, ended by a null text: InsertItemEx(row, "a", "b", nullptr).
    int InsertItemEx(int nItem, LPCSTR lpText, ...);
    BOOL DeleteItem(int nItem, BOOL bSelectNextItem = FALSE);
    // Deletes the rows in the given states (kItemAll: all of them); returns how many.
    int DeleteAllItems(DWORD dwStates = kItemAll);
    int MoveTo(int nItem, int nNewPosition);
    int MoveUp(int nItem, int nCount = 1);
    int MoveDown(int nItem, int nCount = 1);
    int MoveToTop(int nItem);
    int MoveToBottom(int nItem);
    BOOL SwapItems(int nItem1, int nItem2);

    // Cell contents.
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpText);
    BOOL SetItemText(int nItem, int nSubItem, char val);
    BOOL SetItemText(int nItem, int nSubItem, int val);
    BOOL SetItemText(int nItem, int nSubItem, long val);
    BOOL SetItemText(int nItem, int nSubItem, UINT val);
    BOOL SetItemText(int nItem, int nSubItem, unsigned long val);
    // A negative precision writes as many decimals as needed.
    BOOL SetItemText(int nItem, int nSubItem, double val, int nPrecision = -1);
    BOOL SetItemText(int nItem, int nSubItem, const COleDateTime& dateTime, DWORD dwFlags = 0);
    BOOL SetItemImage(int nItem, int nSubItem, int nImageIndex);
    int GetItemImage(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItem(const LVITEMA* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    BOOL GetItem(LVITEMA* pItem) const;
    CImageList* SetImageList(CImageList* pImageList);
    BOOL SetImageList(UINT nBitmapID, COLORREF crMask = RGB(255, 0, 255));
    CImageList* GetImageList() const;

    // Colours; 0xFFFFFFFF means the system's window text (or window) colour. An invalid
    // row or column widens the change to every row or column.
    void SetItemTextColor(int nItem = -1, int nSubItem = -1, COLORREF color = 0xFFFFFFFF,
                          BOOL bRedraw = TRUE);
    void SetItemBkColor(int nItem = -1, int nSubItem = -1, COLORREF color = 0xFFFFFFFF,
                        BOOL bRedraw = TRUE);
    COLORREF GetItemTextColor(int nItem, int nSubItem) const;
    COLORREF GetItemBkColor(int nItem, int nSubItem) const;

    // States and checks.
    DWORD GetItemStates(int nItem) const;
    BOOL ExamItemStates(int nItem, DWORD dwStates) const;
    BOOL SetItemStates(int nItem, DWORD dwNewStates);
    int SetAllItemStates(DWORD dwOldStates, DWORD dwNewStates);
    int GetItemCount(DWORD dwStates = kItemAll) const;
    int GetFirstItem(DWORD dwStates = kItemAll, int nStartAfter = -1) const;
    int GetLastItem(DWORD dwStates = kItemAll, int nStartBefore = -1) const;
    // 0 inverts every row's selection, 1 every row's check mark.
    void InvertItems(int nType);
    BOOL SetCheck(int nItem, BOOL bCheck = TRUE);

    // Sorting.
    BOOL SortItems(int nColumn, BOOL bAscending);
    int GetSortedColumn() const;
    BOOL IsSortAscending() const;
    void SetSortSeparator(LPCSTR lpSortSeparator);
    LPCSTR GetSortSeparator() const;

    // In-place editing.
    BOOL StartEdit(int nItem, int nSubItem);
    BOOL EndEdit(BOOL bCommit = TRUE);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // One per row, in the row's list-view item data.
    struct ROWINFO {
        DWORD_PTR dwData;
        std::vector<COLORREF> aTextColors;
        std::vector<COLORREF> aBkColors;
    };

    // One row's contents, for moving it.
    struct ROWCONTENT {
        UINT nStates;
        ROWINFO* pInfo;
        std::vector<int> aImages;
        std::vector<CString> aTexts;
    };

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PreSubclassWindow() override;

    BOOL _IsValidIndex(int nIndex) const;
    BOOL _IsEditVisible() const;
    // Applies the check-box style to a change of a row's check mark caused by a click.
    BOOL _ItemCheckMonitor(int nIndex, BOOL bBefore, BOOL bAfter, UINT nMsg);
    void _MouseClkMonitor(UINT nMsg, CPoint point, BOOL bTriggerEdit);
    // With the single-check style, unchecks every row but nItem (or but the first checked
    // row when nItem is negative).
    void _EnsureSingleCheck(int nItem);
    BOOL _SetItemStatesNoVerify(int nItem, DWORD dwNewStates);
    ROWINFO* _AllocItemMemory(DWORD_PTR dwData) const;
    // Deletes a row of the list-view, then its record.
    BOOL _FreeItemMemory(int nItem);
    ROWINFO* _GetRowInfo(int nItem) const;
    void _UpdateColumn(int nColumn, BOOL bInsert);
    void _UnsetSortedColumn();
    // The ES_ alignment of a column's heading; FALSE when the header item cannot be read.
    BOOL _GetHeaderTextFormat(int nColumn, DWORD& dwFormat) const;
    int _CompareItems(int nItem1, int nItem2) const;
    void _PartialSort(int nStart, int nEnd);
    void _QuickSortRecursive(int* pArr, int nLow, int nHigh);
    int _FindSeparator(int nStartAfter, int nColumn) const;
    // The non-empty pieces of a text between delimiters.
    static void _StringSplit(const CString& str, std::vector<CString>& parts, char chDelimiter);
    ROWCONTENT _CopyRow(int nItem) const;
    // Texts and images first, then the record, then the states, so that whoever hears of
    // a state change finds the row's own record.
    void _WriteRow(int nItem, const ROWCONTENT& content);
    BOOL _IsRearrangingRows() const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyCellColor(int nItem, int nSubItem, COLORREF color, bool bText, BOOL bRedraw);
    void NotifyParent(UINT message, WPARAM wParam, LPARAM lParam);

    CEdit* mEdit;
    char* mSortSeparator;
    BOOL mEditable;
    int mEditItem;
    int mEditSubItem;
    int mCheckboxStyle;
    DWORD mEditAlignment;
    CImageList mItemImages;
    CImageList mHeaderImages;
    int mSortedColumn;
    BOOL mSortAscending;
    int mRearranging;
};
