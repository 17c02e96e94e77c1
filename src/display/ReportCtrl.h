#pragma once
#include "display/ReportCellEditor.h"

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
//   with its record; derived controls see IsRearrangingRows() and leave the list-view's
//   item-change notifications of that time alone, for they are no user's doing.
// - A sort reads the column's texts once and rewrites only the rows that move (UTypedSort
//   gives the order); the list-view does not redraw until the rows are all in place.
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
    virtual BOOL Create(CWnd* parent, UINT id, const RECT* rect = nullptr, DWORD style = WS_BORDER | WS_TABSTOP);
    using CListCtrl::Create;
    DWORD SetExtendedStyle(DWORD style);
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    void SetGridLines(BOOL set = TRUE);
    void SetCheckboxeStyle(int style = kCheckboxNormal);
    int GetCheckboxStyle() const;
    BOOL HasColumnHeader() const;
    BOOL SetSortable(BOOL set);
    BOOL IsSortable() const;
    void SetEditable(BOOL set = TRUE);
    BOOL IsEditable() const;
    void ResizeToFitParent();
    CEdit* GetEditControl();

    // Columns and header.
    int GetColumnCount() const;
    int InsertColumn(int column, const LVCOLUMNA* definition);
    int InsertColumn(int column, LPCSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column);
    BOOL DeleteAllColumns();
    // Rebuilds the columns from "heading[,width[,alignment]];..." (alignment 1 centre, 2
    // right, anything else left; width 100 when missing). Deletes all rows first. TRUE
    // when at least one column was added.
    BOOL SetColumnHeader(const CString& headings);
    CString GetHeaderText(int column) const;
    BOOL SetHeaderText(int column, LPCSTR text);
    BOOL SetHeaderImage(int column, int image, BOOL leftSide = TRUE);
    int GetHeaderImage(int column) const;
    CImageList* SetHeaderImageList(CImageList* images);
    CImageList* SetHeaderImageList(UINT bitmapId, COLORREF mask = RGB(255, 0, 255));

    // Rows.
    int InsertItem(int row, LPCSTR text);
    int InsertItem(int row, LPCSTR text, int image);
    int InsertItem(const LVITEMA* item);
    int InsertItem(UINT mask, int row, LPCSTR text, UINT state, UINT stateMask, int image, LPARAM data);
    // Row texts from column 0 on, ended by a null text: InsertItemEx(row, "a", "b", nullptr).
    int InsertItemEx(int row, LPCSTR text, ...);
    BOOL DeleteItem(int row, BOOL selectNext = FALSE);
    // Deletes the rows in the given states (kItemAll: all of them); returns how many.
    int DeleteAllItems(DWORD states = kItemAll);
    int MoveTo(int row, int newRow);
    int MoveUp(int row, int count = 1);
    int MoveDown(int row, int count = 1);
    int MoveToTop(int row);
    int MoveToBottom(int row);
    BOOL SwapItems(int row1, int row2);

    // Cell contents.
    BOOL SetItemText(int row, int column, LPCSTR text);
    BOOL SetItemText(int row, int column, char value);
    BOOL SetItemText(int row, int column, int value);
    BOOL SetItemText(int row, int column, long value);
    BOOL SetItemText(int row, int column, UINT value);
    BOOL SetItemText(int row, int column, unsigned long value);
    // A negative precision writes as many decimals as needed.
    BOOL SetItemText(int row, int column, double value, int precision = -1);
    BOOL SetItemText(int row, int column, const COleDateTime& date, DWORD flags = 0);
    BOOL SetItemImage(int row, int column, int image);
    int GetItemImage(int row, int column) const;
    BOOL SetItemData(int row, DWORD_PTR data);
    DWORD_PTR GetItemData(int row) const;
    BOOL SetItem(const LVITEMA* item);
    BOOL SetItem(int row, int column, UINT mask, LPCSTR text, int image, UINT state, UINT stateMask, LPARAM data);
    BOOL GetItem(LVITEMA* item) const;
    CImageList* SetImageList(CImageList* images);
    BOOL SetImageList(UINT bitmapId, COLORREF mask = RGB(255, 0, 255));
    CImageList* GetImageList() const;

    // Colours; 0xFFFFFFFF means the system's window text (or window) colour. An invalid
    // row or column widens the change to every row or column.
    void SetItemTextColor(int row = -1, int column = -1, COLORREF color = 0xFFFFFFFF, BOOL redraw = TRUE);
    void SetItemBkColor(int row = -1, int column = -1, COLORREF color = 0xFFFFFFFF, BOOL redraw = TRUE);
    COLORREF GetItemTextColor(int row, int column) const;
    COLORREF GetItemBkColor(int row, int column) const;

    // States and checks.
    DWORD GetItemStates(int row) const;
    BOOL ExamItemStates(int row, DWORD states) const;
    BOOL SetItemStates(int row, DWORD states);
    int SetAllItemStates(DWORD when, DWORD states);
    int GetItemCount(DWORD states = kItemAll) const;
    int GetFirstItem(DWORD states = kItemAll, int after = -1) const;
    int GetLastItem(DWORD states = kItemAll, int before = -1) const;
    // 0 inverts every row's selection, 1 every row's check mark.
    void InvertItems(int kind);
    BOOL SetCheck(int row, BOOL check = TRUE);

    // Sorting.
    BOOL SortItems(int column, BOOL ascending);
    int GetSortedColumn() const;
    BOOL IsSortAscending() const;
    void SetSortSeparator(LPCSTR separator);
    LPCSTR GetSortSeparator() const;

    // In-place editing.
    BOOL StartEdit(int row, int column);
    BOOL EndEdit(BOOL commit = TRUE);

    BOOL PreTranslateMessage(MSG* message) override;

protected:
    // One per row, in the row's list-view item data.
    struct CRowRecord {
        DWORD_PTR data;
        std::vector<COLORREF> textColors;
        std::vector<COLORREF> bkColors;
    };

    // One row's contents, for moving it.
    struct CRowContent {
        UINT states;
        CRowRecord* record;
        std::vector<int> images;
        std::vector<CString> texts;
    };

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PreSubclassWindow() override;

    BOOL IsValidIndex(int row) const;
    BOOL IsEditVisible() const;
    // Applies the check-box style to a change of a row's check mark caused by a click.
    BOOL ItemCheckMonitor(int row, BOOL wasChecked, BOOL isChecked, UINT message);
    void MouseClickMonitor(UINT message, CPoint point, BOOL triggerEdit);
    // With the single-check style, unchecks every row but row (or but the first checked
    // row when row is negative).
    void EnsureSingleCheck(int row);
    BOOL SetItemStatesNoVerify(int row, DWORD states);
    CRowRecord* AllocItemMemory(DWORD_PTR data) const;
    // Deletes a row of the list-view, then its record.
    BOOL FreeItemMemory(int row);
    CRowRecord* GetRowRecord(int row) const;
    void UpdateColumn(int column, BOOL inserted);
    void UnsetSortedColumn();
    // The non-empty pieces of a text between delimiters.
    static void StringSplit(const CString& text, std::vector<CString>& parts, char delimiter);
    CRowContent CopyRow(int row) const;
    // Texts and images first, then the record, then the states, so that whoever hears of
    // a state change finds the row's own record.
    void WriteRow(int row, const CRowContent& content);
    BOOL IsRearrangingRows() const;

    afx_msg int OnCreate(LPCREATESTRUCT createStruct);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnMButtonDown(UINT flags, CPoint point);
    afx_msg void OnMButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnRButtonDown(UINT flags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnColumnclick(NMHDR* notice, LRESULT* result);
    afx_msg void OnCustomDraw(NMHDR* notice, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyCellColor(int row, int column, COLORREF color, bool text, BOOL redraw);
    void NotifyParent(UINT message, WPARAM wParam, LPARAM lParam);

    CReportCellEditor mEditor;
    char* mSortSeparator;
    BOOL mEditable;
    int mCheckboxStyle;
    CImageList mItemImages;
    CImageList mHeaderImages;
    int mSortedColumn;
    BOOL mSortAscending;
    int mRearranging;
};
