#include "ListControlUtils.h"

#include "tnwbscut.h"

void UListControlUtils::PrepareStyle(CREATESTRUCTA& cs)
{
    cs.style |= LVS_SHOWSELALWAYS;
    if (cs.style & WS_BORDER) {
        cs.style &= ~WS_BORDER;
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
}

bool UListControlUtils::IsRowChecked(const CListCtrl& list, int row)
{
    return IsChecked(list.GetItemState(row, 0x3000));
}

void UListControlUtils::WriteCheck(CListCtrl& list, int row, bool check)
{
    UINT state = list.GetItemState(row, LVIS_STATEIMAGEMASK);
    state = (state & ~0x3000u) | (check ? 0x2000u : 0x1000u);
    list.SetItemState(row, state, LVIS_STATEIMAGEMASK);
}

bool UListControlUtils::IsCheckChange(const NMLISTVIEW* change, bool& checked)
{
    if (change->uNewState == change->uOldState)
        return false;
    checked = IsChecked(change->uNewState);
    return checked != IsChecked(change->uOldState);
}

void UListControlUtils::SyncSelection(CListCtrl& list, CObjectDisplay& top, const NMLISTVIEW* change)
{
    const int first = change->iItem >= 0 ? change->iItem : 0;
    const int last = change->iItem >= 0 ? change->iItem : top.GetChildDisplayCount() - 1;
    for (int row = first; row <= last; ++row) {
        CObjectDisplay* display = top.FindDisplayFromHandle(row);
        if (!display)
            continue;
        bool selected = (list.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
        if (display->IsSelected() == selected)
            continue;
        display->SetSelected(selected);
        top.Broadcast(CObjectDisplay::kSelectionChanged, display, &selected);
    }
}

void UListControlUtils::EndLabelEdit(CObjectDisplay& top, NMHDR* request)
{
    NMLVDISPINFOA* info = reinterpret_cast<NMLVDISPINFOA*>(request);
    if (info->item.iItem == -1)
        return;
    if (CObjectDisplay* display = top.FindDisplayFromHandle(info->item.iItem))
        display->SetObjectText(info->item.pszText, 0);
}

bool UListControlUtils::GetCellRect(const CListCtrl& list, const CPoint& point, CRect& rect, int& row, int& column)
{
    column = 0;
    row = list.HitTest(point);
    CHeaderCtrl* header = list.GetHeaderCtrl();
    if (row == -1 && header) {
        // Beside the labels of column 0 the list-view finds no row: ask at the height of
        // the point, just inside column 0.
        CRect label;
        if (list.GetItemRect(0, &label, LVIR_LABEL))
            row = list.HitTest(CPoint(label.left + 1, point.y));
    }
    if (row == -1)
        return false;
    list.GetItemRect(row, &rect, LVIR_BOUNDS);
    if (!header)
        return true;
    for (int item = 0; item < header->GetItemCount(); ++item) {
        CRect edges;
        header->GetItemRect(item, &edges);
        ::MapWindowPoints(header->m_hWnd, list.m_hWnd, reinterpret_cast<POINT*>(&edges), 2);
        if (point.x >= edges.left && point.x <= edges.right) {
            column = item;
            rect.left = edges.left;
            rect.right = edges.right;
            break;
        }
    }
    return true;
}

INT_PTR UListControlUtils::ToolHitTest(const CListCtrl& list, CPoint point, TOOLINFOA* tool)
{
    CRect cell;
    int row = 0, column = 0;
    if (!GetCellRect(list, point, cell, row, column))
        return -1;
    const INT_PTR id = (static_cast<INT_PTR>(row) + 1) * 65536 + column + 1;
    tool->hwnd = list.m_hWnd;
    tool->uId = static_cast<UINT_PTR>(id);
    tool->rect = cell;
    tool->lpszText = LPSTR_TEXTCALLBACK;
    return id;
}

bool UListControlUtils::ToolCell(UINT_PTR id, int& row, int& column)
{
    if (id == 0)
        return false;
    row = static_cast<int>(HIWORD(id)) - 1;
    column = static_cast<int>(LOWORD(id)) - 1;
    return true;
}

bool UListControlUtils::LoadImages(CImageList& images, int resource, int cx, int cy)
{
    CBitmap bitmap;
    if (resource == 0 || !bitmap.LoadBitmap(static_cast<UINT>(resource)))
        return false;
    images.DeleteImageList();
    return images.Create(cx, cy, ILC_COLORDDB | ILC_MASK, 0, 1) && images.Add(&bitmap, RGB(0, 0, 0)) >= 0;
}

CToolTipTextBuffer::CToolTipTextBuffer() : mText() {}

void CToolTipTextBuffer::Answer(NMHDR* request, const char* text, LRESULT* result)
{
    if (request->code == TTN_NEEDTEXTA) {
        lstrcpynA(mText, text, sizeof mText);
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(request);
        info->lpszText = mText;
        info->hinst = nullptr;
    } else {
        wchar_t* wide = reinterpret_cast<wchar_t*>(mText);
        lstrcpynW(wide, UStringBuffer::ToWide(text), sizeof mText / sizeof(wchar_t));
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(request);
        info->lpszText = wide;
        info->hinst = nullptr;
    }
    *result = 0;
}
