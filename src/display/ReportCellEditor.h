#pragma once
#include "afxlistctl.h"

// The in-place editor of a report's cells: one edit window laid over the label of the cell
// being edited, aligned as the cell's column. What a finished edit does to the cell (the
// commit, the notice to the parent) is the report's; the editor keeps the window, the cell
// it is over, and where the keys that move an edit lead.
//
// The window is made when the first edit starts and made anew when a column of another
// alignment is edited, since an edit control keeps the alignment it was created with.
// Closing hides it; while it had the focus, the focus goes back to the list, so that typing
// goes on there rather than nowhere.
class AFX_EXT_CLASS CReportCellEditor {
public:
    explicit CReportCellEditor(CListCtrl& list);
    ~CReportCellEditor();
    CReportCellEditor(const CReportCellEditor&) = delete;
    CReportCellEditor& operator=(const CReportCellEditor&) = delete;

    CEdit* GetEdit();
    // The cell being edited, -1 for none.
    int GetRow() const { return mRow; }
    int GetColumn() const { return mColumn; }
    // Whether the window shows: an edit is running.
    bool IsOpen() const;

    // Remembers the cell before the window opens over it, so that whoever hears of the
    // selection that an edit brings finds the edit's cell.
    void SetCell(int row, int column);
    // Shows the window over the cell remembered, with its text all selected, and gives it
    // the focus; false (and no cell) when the window cannot be made.
    bool Open();
    // Hides the window and forgets the cell; the text typed, when an edit was running.
    bool Close(CString& text);
    void Destroy();

    // The cell that Tab (the next column, after the last one column 0), Up and Down (the row
    // above or below) take the edit to; false for other keys and at the first or last row.
    bool NextCell(UINT key, int& row, int& column) const;

private:
    // The ES_ alignment of a column's heading; false when the header item cannot be read.
    bool GetColumnAlignment(int column, DWORD& alignment) const;

    CListCtrl& mList;
    CEdit mEdit;
    int mRow;
    int mColumn;
    DWORD mAlignment;
};
