#pragma once
#include "afxlistctl.h"

#include "tnwbscut.h"

// The text handed to a tool tip: kept by the control until the tool tip has copied it.
// Holds up to 519 narrow or 259 wide characters.
class AFX_EXT_CLASS CToolTipTextBuffer {
public:
    CToolTipTextBuffer();
    // Answers a TTN_NEEDTEXTA or TTN_NEEDTEXTW request with the text.
    void Answer(NMHDR* request, const char* text, LRESULT* result);

private:
    alignas(wchar_t) char mText[520];
};

// Sets a flag for the life of the guard and puts back what it was.
class AFX_EXT_CLASS StFlag {
public:
    explicit StFlag(bool& flag) : mFlag(flag), mPrevious(flag) { mFlag = true; }
    ~StFlag() { mFlag = mPrevious; }
    StFlag(const StFlag&) = delete;
    StFlag& operator=(const StFlag&) = delete;

private:
    bool& mFlag;
    bool mPrevious;
};

// The window-level parts of the object list controls: rows, cells and tool tips.
//
// Decision of this library: the cell under a point takes its column from the header
// whether or not the list-view's own hit test finds the row there, so that a list with
// full-row selection (every report) tells its columns apart too; the cell's left and
// right edges are the header item's, in the list's client coordinates.
class AFX_EXT_CLASS UListControlUtils {
public:
    // The selection stays visible without the focus; a border becomes a sunken client edge.
    static void PrepareStyle(CREATESTRUCTA& cs);

    // A row is checked exactly when its state image is 2: state AND 0x3000 equals 0x2000.
    static bool IsChecked(UINT state) { return (state & 0x3000) == 0x2000; }
    static bool IsRowChecked(const CListCtrl& list, int row);
    // Rewrites the row's state image: 2 to check, 1 to uncheck.
    static void WriteCheck(CListCtrl& list, int row, bool check);
    // Whether an item change (LVN_ITEMCHANGING/ED) turns a check box on or off, and to what.
    static bool IsCheckChange(const NMLISTVIEW* change, bool& checked);

    // The row and column under a point of the list's client area, and that cell's
    // rectangle; false when no row lies under the point.
    static bool GetCellRect(const CListCtrl& list, const CPoint& point, CRect& rect, int& row, int& column);
    // The tool of the cell under the point, id (row + 1) * 65536 + (column + 1), its text
    // asked for on demand; -1 when no row is there.
    static INT_PTR ToolHitTest(const CListCtrl& list, CPoint point, TOOLINFOA* tool);
    // The cell of a tool id; false for id 0.
    static bool ToolCell(UINT_PTR id, int& row, int& column);

    // Brings the displays' selection in line with the rows the notice is about (all rows
    // for item -1) and broadcasts kSelectionChanged from the top display for each display
    // whose selection changed.
    static void SyncSelection(CListCtrl& list, CObjectDisplay& top, const NMLISTVIEW* change);
    // The label the user edited goes to the row's display (a null text: edit cancelled).
    static void EndLabelEdit(CObjectDisplay& top, NMHDR* request);

    // Fills the image list from the bitmap resource id (black is transparent) with images
    // of cx by cy pixels; false without an id or a bitmap.
    static bool LoadImages(CImageList& images, int resource, int cx, int cy);
};
