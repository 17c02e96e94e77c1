#pragma once
#include "afxlistctl.h"

#include "tnwbscut.h"

#include <initializer_list>

// The text handed to a tool tip: kept by the control until the tool tip has copied it.
// Holds up to 519 narrow or 259 wide characters.
class AFX_EXT_CLASS CToolTipTextBuffer {
public:
    CToolTipTextBuffer();
    // Answers a TTN_NEEDTEXTA or TTN_NEEDTEXTW request with the text.
    void Answer(NMHDR* request, const char* text, LRESULT* pResult);

private:
    alignas(wchar_t) char mText[520];
};

// What the object list and object report controls share about rows, cells and tool tips.
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
    static INT_PTR ToolHitTest(const CListCtrl& list, CPoint point, TOOLINFOA* pTI);
    // The cell of a tool id; false for id 0.
    static bool ToolCell(UINT_PTR id, int& row, int& column);

    // The first of count rows whose data (dataOf(row)) is wanted, -1 if none. Lists are
    // mostly walked in order, forwards or backwards: the rows beside the one found last
    // (hint, updated) are tried before a search from the top.
    template <class TDataOf>
    static int FindRow(int count, DWORD_PTR wanted, int& hint, TDataOf dataOf)
    {
        for (int guess : { hint + 1, hint, hint - 1 }) {
            if (guess >= 0 && guess < count && dataOf(guess) == wanted)
                return hint = guess;
        }
        for (int row = 0; row < count; ++row) {
            if (dataOf(row) == wanted)
                return hint = row;
        }
        return -1;
    }

    // Brings the displays' selection in line with the rows the notice is about (all rows
    // for item -1) and broadcasts kSelectionChanged from the top display for each display
    // whose selection changed.
    static void SyncSelection(CListCtrl& list, CObjectDisplay& top, const NMLISTVIEW* change);

    // A user's check or uncheck reaches the row's object before the list-view shows it;
    // the answer refuses the change (1) when the control's CheckObject does.
    template <class TControl>
    static LRESULT CheckChanging(TControl& control, const NMLISTVIEW* change)
    {
        bool checked = false;
        if (!IsCheckChange(change, checked))
            return 0;
        CObjectDisplay* display = control.FindDisplayFromHandle(change->iItem);
        if (!display)
            return 0;
        // The object's own notice of the change must not rewrite the row the list-view is
        // still changing.
        display->StopListening();
        const bool accepted = control.CheckObject(display->GetObjectA(), checked);
        display->StartListening();
        return accepted ? 0 : 1;
    }

    // After the list-view changed a check box: an object that refuses gets its own mark back.
    template <class TControl>
    static void CheckChanged(TControl& control, const NMLISTVIEW* change)
    {
        bool checked = false;
        if (!IsCheckChange(change, checked))
            return;
        CObjectDisplay* display = control.FindDisplayFromHandle(change->iItem);
        if (display && !control.CheckObject(display->GetObjectA(), checked))
            control.CheckItem(change->iItem, control.GetObjectChecked(display->GetObjectA()));
    }

    // The text of the tool tip of a cell: the control's text of its object for the tool tip.
    template <class TControl>
    static BOOL AnswerToolTip(TControl& control, CToolTipTextBuffer& buffer, NMHDR* request, LRESULT* pResult);

    // The label the user edited goes to the row's display (a null text: edit cancelled).
    static void EndLabelEdit(CObjectDisplay& top, NMHDR* request);

    // Fills the image list from the bitmap resource id (black is transparent) with images
    // of cx by cy pixels; false without an id or a bitmap.
    static bool LoadImages(CImageList& images, int resource, int cx, int cy);
};


template <class TControl>
BOOL UListControlUtils::AnswerToolTip(TControl& control, CToolTipTextBuffer& buffer, NMHDR* request, LRESULT* pResult)
{
    int row = 0, column = 0;
    if (!ToolCell(request->idFrom, row, column))
        return FALSE;
    CObjectDisplay* display = control.FindDisplayFromHandle(row);
    CPersistObject* object = display ? display->GetObjectA() : nullptr;
    if (!object)
        return FALSE;
    buffer.Answer(request, control.GetObjectText(object, column, true), pResult);
    return TRUE;
}
