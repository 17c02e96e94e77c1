#include "ReportCtrl.h"
#include "TypedSort.h"

#include "util/NoRedraw.h"
#include "util/WindowUpdate.h"

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <utility>

IMPLEMENT_DYNAMIC(CReportCtrl, CListCtrl)

namespace {

// Report view with scroll bars, visible child; never small icons, label editing by the
// list-view itself, or a list that cannot scroll.
const DWORD kForcedStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LVS_REPORT;
const DWORD kRefusedStyle = LVS_NOSCROLL | LVS_EDITLABELS | LVS_SMALLICON;
const DWORD kForcedExtendedStyle = LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES;
const int kHeaderTextMax = 256;
const int kImageWidth = 16;

DWORD ForceStyle(DWORD style)
{
    return (style & ~kRefusedStyle) | kForcedStyle;
}

} // namespace

BEGIN_MESSAGE_MAP(CReportCtrl, CListCtrl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MBUTTONDOWN()
    ON_WM_MBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONDBLCLK()
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnclick)
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
END_MESSAGE_MAP()

CReportCtrl::CReportCtrl()
    : mEditor(*this), mSortSeparator(nullptr), mEditable(FALSE), mCheckboxStyle(kCheckboxNormal), mSortedColumn(-1),
      mSortAscending(TRUE), mRearranging(0)
{
}

CReportCtrl::~CReportCtrl()
{
    // Destroyed here rather than by the base destructor, so that the records are freed by
    // this class's own WM_DESTROY handling.
    if (m_hWnd)
        DestroyWindow();
    delete[] mSortSeparator;
}

BOOL CReportCtrl::Create(CWnd* parent, UINT id, const RECT* rect, DWORD style)
{
    CRect area;
    if (rect)
        area = *rect;
    else if (parent)
        parent->GetClientRect(&area);
    return CListCtrl::Create(ForceStyle(style), area, parent, id);
}

BOOL CReportCtrl::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style = ForceStyle(cs.style);
    return CListCtrl::PreCreateWindow(cs);
}

int CReportCtrl::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CListCtrl::OnCreate(createStruct) == -1)
        return -1;
    CWnd::ModifyStyle(kRefusedStyle, kForcedStyle);
    SetExtendedStyle(CListCtrl::GetExtendedStyle());
    return 0;
}

void CReportCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    CWnd::ModifyStyle(kRefusedStyle, kForcedStyle);
    CListCtrl::SetExtendedStyle(kForcedExtendedStyle);
}

void CReportCtrl::OnDestroy()
{
    EndEdit(FALSE);
    DeleteAllItems(kItemAll);
    mEditor.Destroy();
    // The list-view destroys the image lists it holds unless told they are shared: it must
    // not hold the control's own list when that goes.
    if (mItemImages.m_hImageList && GetImageList()->GetSafeHandle() == mItemImages.m_hImageList)
        CListCtrl::SetImageList(nullptr, LVSIL_SMALL);
    mItemImages.DeleteImageList();
    mHeaderImages.DeleteImageList();
    CListCtrl::OnDestroy();
}

DWORD CReportCtrl::SetExtendedStyle(DWORD style)
{
    return CListCtrl::SetExtendedStyle(style | kForcedExtendedStyle);
}

BOOL CReportCtrl::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    return CWnd::ModifyStyle((remove & ~kForcedStyle) | kRefusedStyle | LVS_TYPEMASK,
                             (add & ~kRefusedStyle) | kForcedStyle, flags);
}

BOOL CReportCtrl::ModifyStyleEx(DWORD remove, DWORD add, UINT flags)
{
    return CWnd::ModifyStyleEx(remove, add, flags);
}

void CReportCtrl::SetGridLines(BOOL set)
{
    const DWORD style = CListCtrl::GetExtendedStyle();
    SetExtendedStyle(set ? (style | LVS_EX_GRIDLINES) : (style & ~LVS_EX_GRIDLINES));
}

void CReportCtrl::SetCheckboxeStyle(int style)
{
    if (style < kCheckboxNone || style > kCheckboxReadOnly)
        return;
    EndEdit(TRUE);
    mCheckboxStyle = style;
    if (style != kCheckboxNone)
        EnsureSingleCheck(-1);
    const DWORD extended = CListCtrl::GetExtendedStyle();
    SetExtendedStyle(style != kCheckboxNone ? (extended | LVS_EX_CHECKBOXES) : (extended & ~LVS_EX_CHECKBOXES));
}

int CReportCtrl::GetCheckboxStyle() const
{
    return mCheckboxStyle;
}

BOOL CReportCtrl::HasColumnHeader() const
{
    return (GetStyle() & LVS_NOCOLUMNHEADER) == 0;
}

BOOL CReportCtrl::SetSortable(BOOL set)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header)
        return FALSE;
    if (set) {
        header->ModifyStyle(0, HDS_BUTTONS);
    } else {
        header->ModifyStyle(HDS_BUTTONS, 0);
        UnsetSortedColumn();
    }
    header->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    return TRUE;
}

BOOL CReportCtrl::IsSortable() const
{
    CHeaderCtrl* header = GetHeaderCtrl();
    return header && (header->GetStyle() & HDS_BUTTONS);
}

void CReportCtrl::SetEditable(BOOL set)
{
    if (!set)
        EndEdit(TRUE);
    mEditable = set;
}

BOOL CReportCtrl::IsEditable() const
{
    return mEditable;
}

void CReportCtrl::ResizeToFitParent()
{
    CWnd* parent = GetParent();
    if (!parent)
        return;
    CRect area;
    parent->GetClientRect(&area);
    MoveWindow(&area);
}

CEdit* CReportCtrl::GetEditControl()
{
    return mEditor.GetEdit();
}

int CReportCtrl::GetColumnCount() const
{
    CHeaderCtrl* header = GetHeaderCtrl();
    return header ? header->GetItemCount() : 0;
}

int CReportCtrl::InsertColumn(int column, const LVCOLUMNA* definition)
{
    EndEdit(TRUE);
    const int inserted = CListCtrl::InsertColumn(column, definition);
    if (inserted >= 0)
        UpdateColumn(inserted, TRUE);
    return inserted;
}

int CReportCtrl::InsertColumn(int column, LPCSTR heading, int format, int width, int subItem)
{
    EndEdit(TRUE);
    const int inserted = CListCtrl::InsertColumn(column, heading, format, width, subItem);
    if (inserted >= 0)
        UpdateColumn(inserted, TRUE);
    return inserted;
}

BOOL CReportCtrl::DeleteColumn(int column)
{
    EndEdit(TRUE);
    if (!CListCtrl::DeleteColumn(column))
        return FALSE;
    UpdateColumn(column, FALSE);
    return TRUE;
}

BOOL CReportCtrl::DeleteAllColumns()
{
    while (GetColumnCount() > 0 && DeleteColumn(0)) {
    }
    return TRUE;
}

BOOL CReportCtrl::SetColumnHeader(const CString& headings)
{
    DeleteAllItems(kItemAll);
    DeleteAllColumns();
    EndEdit(TRUE);

    BOOL added = FALSE;
    std::vector<CString> columns;
    StringSplit(headings, columns, ';');
    for (const CString& definition : columns) {
        std::vector<CString> fields;
        StringSplit(definition, fields, ',');
        if (fields.empty())
            continue;
        const int width = fields.size() > 1 ? atoi(fields[1]) : 100;
        const int alignment = fields.size() > 2 ? atoi(fields[2]) : 0;
        const int format = alignment == 1 ? LVCFMT_CENTER : alignment == 2 ? LVCFMT_RIGHT : LVCFMT_LEFT;
        if (InsertColumn(GetColumnCount(), fields[0], format, width) >= 0)
            added = TRUE;
    }
    return added;
}

CString CReportCtrl::GetHeaderText(int column) const
{
    CString text;
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header)
        return text;
    HDITEMA item = {};
    item.mask = HDI_TEXT;
    item.cchTextMax = kHeaderTextMax;
    item.pszText = text.GetBuffer(kHeaderTextMax - 1);
    item.pszText[0] = '\0';
    if (!header->GetItem(column, &item))
        item.pszText[0] = '\0';
    text.ReleaseBuffer();
    return text;
}

BOOL CReportCtrl::SetHeaderText(int column, LPCSTR text)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header)
        return FALSE;
    HDITEMA item = {};
    item.mask = HDI_TEXT;
    item.pszText = const_cast<LPSTR>(text ? text : "");
    return header->SetItem(column, &item);
}

BOOL CReportCtrl::SetHeaderImage(int column, int image, BOOL leftSide)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header)
        return FALSE;
    if (!header->GetImageList())
        header->SetImageList(GetImageList());
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    if (!header->GetItem(column, &item))
        return FALSE;
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt |= HDF_IMAGE;
    if (leftSide)
        item.fmt &= ~HDF_BITMAP_ON_RIGHT;
    else
        item.fmt |= HDF_BITMAP_ON_RIGHT;
    item.iImage = image;
    return header->SetItem(column, &item);
}

int CReportCtrl::GetHeaderImage(int column) const
{
    CHeaderCtrl* header = GetHeaderCtrl();
    HDITEMA item = {};
    item.mask = HDI_IMAGE;
    if (!header || !header->GetItem(column, &item))
        return -1;
    return item.iImage;
}

CImageList* CReportCtrl::SetHeaderImageList(CImageList* images)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    return header ? header->SetImageList(images) : nullptr;
}

CImageList* CReportCtrl::SetHeaderImageList(UINT bitmapId, COLORREF mask)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    CImageList fresh;
    if (!header || !fresh.Create(bitmapId, kImageWidth, 4, mask))
        return nullptr;
    CImageList* previous = header->SetImageList(&fresh);
    const bool wasOwn = mHeaderImages.m_hImageList && previous->GetSafeHandle() == mHeaderImages.m_hImageList;
    mHeaderImages.DeleteImageList();
    mHeaderImages.Attach(fresh.Detach());
    return wasOwn ? nullptr : previous;
}

int CReportCtrl::InsertItem(int row, LPCSTR text)
{
    return InsertItem(LVIF_TEXT, row, text, 0, 0, 0, 0);
}

int CReportCtrl::InsertItem(int row, LPCSTR text, int image)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, row, text, 0, 0, image, 0);
}

int CReportCtrl::InsertItem(UINT mask, int row, LPCSTR text, UINT state, UINT stateMask, int image, LPARAM data)
{
    const LVITEMA item = MakeItem(mask, row, 0, text, image, state, stateMask, data);
    return InsertItem(&item);
}

int CReportCtrl::InsertItem(const LVITEMA* item)
{
    EndEdit(TRUE);
    UnsetSortedColumn();
    // The row is born with its record, so that no notification ever finds the caller's
    // data where a record belongs.
    LVITEMA withRecord = *item;
    CRowRecord* record =
        AllocItemMemory((withRecord.mask & LVIF_PARAM) ? static_cast<DWORD_PTR>(withRecord.lParam) : 0);
    withRecord.mask |= LVIF_PARAM;
    withRecord.lParam = reinterpret_cast<LPARAM>(record);
    const int row = CListCtrl::InsertItem(&withRecord);
    if (row < 0)
        delete record;
    return row;
}

int CReportCtrl::InsertItemEx(int row, LPCSTR text, ...)
{
    const int inserted = InsertItem(row, text);
    if (inserted < 0)
        return -1;
    va_list texts;
    va_start(texts, text);
    for (int column = 1; column < GetColumnCount(); ++column) {
        LPCSTR next = va_arg(texts, LPCSTR);
        if (!next)
            break;
        SetItemText(inserted, column, next);
    }
    va_end(texts);
    return inserted;
}

BOOL CReportCtrl::DeleteItem(int row, BOOL selectNext)
{
    if (!IsValidIndex(row))
        return FALSE;
    EndEdit(row != mEditor.GetRow());
    if (selectNext)
        SetItemStatesNoVerify(row + 1, kItemSelected);
    return FreeItemMemory(row);
}

int CReportCtrl::DeleteAllItems(DWORD states)
{
    EndEdit(FALSE);
    StWindowUpdate locked(this);
    if (states & kItemAll) {
        const int count = CListCtrl::GetItemCount();
        std::vector<CRowRecord*> records;
        records.reserve(count);
        for (int row = 0; row < count; ++row)
            records.push_back(GetRowRecord(row));
        CListCtrl::DeleteAllItems();
        for (CRowRecord* record : records)
            delete record;
        return count;
    }
    int deleted = 0;
    for (int row = 0; row < CListCtrl::GetItemCount();) {
        if (ExamItemStates(row, states) && FreeItemMemory(row))
            ++deleted;
        else
            ++row;
    }
    return deleted;
}

int CReportCtrl::MoveTo(int row, int newRow)
{
    if (!IsValidIndex(row))
        return -1;
    EndEdit(TRUE);
    const int target = std::max(0, std::min(newRow, CListCtrl::GetItemCount() - 1));
    if (target == row)
        return row;
    UnsetSortedColumn();
    const CRowContent content = CopyRow(row);
    ++mRearranging;
    CListCtrl::DeleteItem(row);
    CListCtrl::InsertItem(target, "");
    WriteRow(target, content);
    --mRearranging;
    return target;
}

int CReportCtrl::MoveUp(int row, int count)
{
    return MoveTo(row, row - count);
}

int CReportCtrl::MoveDown(int row, int count)
{
    return MoveTo(row, row + count);
}

int CReportCtrl::MoveToTop(int row)
{
    return MoveTo(row, -1);
}

int CReportCtrl::MoveToBottom(int row)
{
    return MoveTo(row, 0x7FFFFFFF);
}

BOOL CReportCtrl::SwapItems(int row1, int row2)
{
    EndEdit(TRUE);
    if (!IsValidIndex(row1) || !IsValidIndex(row2))
        return FALSE;
    if (row1 == row2)
        return TRUE;
    UnsetSortedColumn();
    const CRowContent first = CopyRow(row1);
    const CRowContent second = CopyRow(row2);
    ++mRearranging;
    WriteRow(row1, second);
    WriteRow(row2, first);
    --mRearranging;
    return TRUE;
}

BOOL CReportCtrl::SetItemText(int row, int column, LPCSTR text)
{
    EndEdit(TRUE);
    UnsetSortedColumn();
    return CListCtrl::SetItemText(row, column, text);
}

BOOL CReportCtrl::SetItemText(int row, int column, char value)
{
    const char text[2] = { value, '\0' };
    return SetItemText(row, column, text);
}

BOOL CReportCtrl::SetItemText(int row, int column, int value)
{
    CString text;
    text.Format("%d", value);
    return SetItemText(row, column, text);
}

BOOL CReportCtrl::SetItemText(int row, int column, long value)
{
    CString text;
    text.Format("%ld", value);
    return SetItemText(row, column, text);
}

BOOL CReportCtrl::SetItemText(int row, int column, UINT value)
{
    CString text;
    text.Format("%u", value);
    return SetItemText(row, column, text);
}

BOOL CReportCtrl::SetItemText(int row, int column, unsigned long value)
{
    CString text;
    text.Format("%lu", value);
    return SetItemText(row, column, text);
}

BOOL CReportCtrl::SetItemText(int row, int column, double value, int precision)
{
    CString text;
    if (precision >= 0) {
        CString format;
        format.Format("%%.%df", precision);
        text.Format(format, value);
    } else {
        text.Format("%f", value);
        if (text.Find('.') >= 0) {
            text.TrimRight('0');
            text.TrimRight('.');
        }
    }
    return SetItemText(row, column, text);
}

BOOL CReportCtrl::SetItemText(int row, int column, const COleDateTime& date, DWORD flags)
{
    const CString text = date.GetStatus() == COleDateTime::valid ? date.Format(flags, LANG_USER_DEFAULT) : CString();
    return SetItemText(row, column, text);
}

BOOL CReportCtrl::SetItemImage(int row, int column, int image)
{
    return CListCtrl::SetItem(row, column, LVIF_IMAGE, nullptr, image, 0, 0, 0);
}

int CReportCtrl::GetItemImage(int row, int column) const
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iSubItem = column;
    return CListCtrl::GetItem(&item) ? item.iImage : -1;
}

BOOL CReportCtrl::SetItemData(int row, DWORD_PTR data)
{
    CRowRecord* record = GetRowRecord(row);
    if (!record)
        return FALSE;
    record->data = data;
    return TRUE;
}

DWORD_PTR CReportCtrl::GetItemData(int row) const
{
    const CRowRecord* record = GetRowRecord(row);
    return record ? record->data : 0;
}

BOOL CReportCtrl::SetItem(const LVITEMA* item)
{
    LVITEMA rest = *item;
    if (rest.mask & LVIF_PARAM) {
        if (!SetItemData(rest.iItem, static_cast<DWORD_PTR>(rest.lParam)))
            return FALSE;
        rest.mask &= ~LVIF_PARAM;
    }
    return rest.mask ? CListCtrl::SetItem(&rest) : TRUE;
}

BOOL CReportCtrl::SetItem(int row, int column, UINT mask, LPCSTR text, int image, UINT state, UINT stateMask,
                          LPARAM data)
{
    const LVITEMA item = MakeItem(mask, row, column, text, image, state, stateMask, data);
    return SetItem(&item);
}

BOOL CReportCtrl::GetItem(LVITEMA* item) const
{
    if (!CListCtrl::GetItem(item))
        return FALSE;
    if (item->mask & LVIF_PARAM) {
        const CRowRecord* record = reinterpret_cast<const CRowRecord*>(item->lParam);
        item->lParam = record ? static_cast<LPARAM>(record->data) : 0;
    }
    return TRUE;
}

CImageList* CReportCtrl::SetImageList(CImageList* images)
{
    return CListCtrl::SetImageList(images, LVSIL_SMALL);
}

BOOL CReportCtrl::SetImageList(UINT bitmapId, COLORREF mask)
{
    // The new list is set before the old one goes, so that the list-view never holds a
    // destroyed list.
    CImageList fresh;
    if (!fresh.Create(bitmapId, kImageWidth, 4, mask))
        return FALSE;
    CListCtrl::SetImageList(&fresh, LVSIL_SMALL);
    mItemImages.DeleteImageList();
    mItemImages.Attach(fresh.Detach());
    return TRUE;
}

CImageList* CReportCtrl::GetImageList() const
{
    return CListCtrl::GetImageList(LVSIL_SMALL);
}

void CReportCtrl::SetItemTextColor(int row, int column, COLORREF color, BOOL redraw)
{
    ApplyCellColor(row, column, color == 0xFFFFFFFF ? ::GetSysColor(COLOR_WINDOWTEXT) : color, true, redraw);
}

void CReportCtrl::SetItemBkColor(int row, int column, COLORREF color, BOOL redraw)
{
    ApplyCellColor(row, column, color == 0xFFFFFFFF ? ::GetSysColor(COLOR_WINDOW) : color, false, redraw);
}

void CReportCtrl::ApplyCellColor(int row, int column, COLORREF color, bool text, BOOL redraw)
{
    const int columns = GetColumnCount();
    const bool oneRow = IsValidIndex(row) != FALSE;
    const bool oneColumn = column >= 0 && column < columns;
    const int lastRow = oneRow ? row : CListCtrl::GetItemCount() - 1;
    for (int each = oneRow ? row : 0; each <= lastRow; ++each) {
        CRowRecord* record = GetRowRecord(each);
        if (!record)
            continue;
        std::vector<COLORREF>& colors = text ? record->textColors : record->bkColors;
        for (int cell = oneColumn ? column : 0; cell < (oneColumn ? column + 1 : columns); ++cell) {
            if (cell < static_cast<int>(colors.size()))
                colors[cell] = color;
        }
    }
    if (redraw)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

COLORREF CReportCtrl::GetItemTextColor(int row, int column) const
{
    const CRowRecord* record = GetRowRecord(row);
    if (!record || column < 0 || column >= static_cast<int>(record->textColors.size()))
        return 0xFFFFFFFF;
    return record->textColors[column];
}

COLORREF CReportCtrl::GetItemBkColor(int row, int column) const
{
    const CRowRecord* record = GetRowRecord(row);
    if (!record || column < 0 || column >= static_cast<int>(record->bkColors.size()))
        return 0xFFFFFFFF;
    return record->bkColors[column];
}

DWORD CReportCtrl::GetItemStates(int row) const
{
    if (!IsValidIndex(row))
        return 0;
    const UINT state = CListCtrl::GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED);
    DWORD states = (state & LVIS_SELECTED) ? kItemSelected : kItemUnselected;
    states |= CListCtrl::GetCheck(row) ? kItemChecked : kItemUnchecked;
    states |= (state & LVIS_FOCUSED) ? kItemFocused : kItemUnfocused;
    return states;
}

BOOL CReportCtrl::ExamItemStates(int row, DWORD states) const
{
    if (states == 0 || !IsValidIndex(row))
        return FALSE;
    if (states & kItemAll)
        return TRUE;
    return (GetItemStates(row) & states) == states;
}

BOOL CReportCtrl::SetItemStates(int row, DWORD states)
{
    if (!IsValidIndex(row))
        return FALSE;
    const BOOL done = SetItemStatesNoVerify(row, states);
    if (states & kItemChecked)
        EnsureSingleCheck(row);
    return done;
}

BOOL CReportCtrl::SetItemStatesNoVerify(int row, DWORD states)
{
    if (!IsValidIndex(row))
        return FALSE;
    BOOL done = TRUE;
    if (states & kItemSelected)
        done &= CListCtrl::SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    if (states & kItemUnselected)
        done &= CListCtrl::SetItemState(row, 0, LVIS_SELECTED);
    if (states & kItemChecked)
        done &= CListCtrl::SetCheck(row, TRUE);
    if (states & kItemUnchecked)
        done &= CListCtrl::SetCheck(row, FALSE);
    if (states & kItemFocused)
        done &= CListCtrl::SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED);
    if (states & kItemUnfocused)
        done &= CListCtrl::SetItemState(row, 0, LVIS_FOCUSED);
    return done;
}

int CReportCtrl::SetAllItemStates(DWORD when, DWORD states)
{
    if (when == 0 || states == 0)
        return FALSE;
    int changed = 0;
    const int count = CListCtrl::GetItemCount();
    for (int row = 0; row < count; ++row) {
        if (ExamItemStates(row, when) && SetItemStatesNoVerify(row, states))
            ++changed;
    }
    if (states & kItemChecked)
        EnsureSingleCheck(-1);
    return changed;
}

int CReportCtrl::GetItemCount(DWORD states) const
{
    const int count = CListCtrl::GetItemCount();
    if (states == kItemAll)
        return count;
    int matching = 0;
    for (int row = 0; row < count; ++row) {
        if (ExamItemStates(row, states))
            ++matching;
    }
    return matching;
}

int CReportCtrl::GetFirstItem(DWORD states, int after) const
{
    const int count = CListCtrl::GetItemCount();
    for (int row = std::max(after, -1) + 1; row < count; ++row) {
        if (ExamItemStates(row, states))
            return row;
    }
    return -1;
}

int CReportCtrl::GetLastItem(DWORD states, int before) const
{
    const int count = CListCtrl::GetItemCount();
    const int first = (before < 0 || before > count) ? count - 1 : before - 1;
    for (int row = first; row >= 0; --row) {
        if (ExamItemStates(row, states))
            return row;
    }
    return -1;
}

void CReportCtrl::InvertItems(int kind)
{
    if (kind != 0 && kind != 1)
        return;
    const int count = CListCtrl::GetItemCount();
    for (int row = 0; row < count; ++row) {
        if (kind == 0)
            SetItemStatesNoVerify(row, ExamItemStates(row, kItemSelected) ? kItemUnselected : kItemSelected);
        else
            SetItemStatesNoVerify(row, ExamItemStates(row, kItemChecked) ? kItemUnchecked : kItemChecked);
    }
}

BOOL CReportCtrl::SetCheck(int row, BOOL check)
{
    if (!IsValidIndex(row))
        return FALSE;
    const BOOL done = CListCtrl::SetCheck(row, check);
    if (check)
        EnsureSingleCheck(row);
    return done;
}

void CReportCtrl::EnsureSingleCheck(int row)
{
    if (mCheckboxStyle != kCheckboxSingle)
        return;
    const int keep = row >= 0 ? row : GetFirstItem(kItemChecked, -1);
    if (keep < 0)
        return;
    const int count = CListCtrl::GetItemCount();
    for (int other = 0; other < count; ++other) {
        if (other != keep && CListCtrl::GetCheck(other))
            CListCtrl::SetCheck(other, FALSE);
    }
}

BOOL CReportCtrl::SortItems(int column, BOOL ascending)
{
    EndEdit(TRUE);
    if (column < 0 || column >= GetColumnCount() || !IsSortable())
        return FALSE;
    mSortedColumn = column;
    mSortAscending = ascending;

    const int count = CListCtrl::GetItemCount();
    std::vector<CString> texts;
    texts.reserve(count);
    for (int row = 0; row < count; ++row)
        texts.push_back(CListCtrl::GetItemText(row, column));
    const std::vector<int> order = UTypedSort::Order(texts, ascending != FALSE, mSortSeparator);

    // Every row that moves is copied out before any is written.
    std::vector<std::pair<int, CRowContent>> moves;
    for (int row = 0; row < count; ++row) {
        if (order[row] != row)
            moves.emplace_back(row, CopyRow(order[row]));
    }
    {
        StNoRedraw quiet(*this);
        ++mRearranging;
        for (const auto& move : moves)
            WriteRow(move.first, move.second);
        --mRearranging;
    }
    NotifyParent(kSortedMessage, static_cast<WPARAM>(column), static_cast<LPARAM>(ascending));
    return TRUE;
}

int CReportCtrl::GetSortedColumn() const
{
    return mSortedColumn;
}

BOOL CReportCtrl::IsSortAscending() const
{
    return mSortAscending;
}

void CReportCtrl::SetSortSeparator(LPCSTR separator)
{
    delete[] mSortSeparator;
    mSortSeparator = nullptr;
    if (separator) {
        mSortSeparator = new char[strlen(separator) + 1];
        strcpy(mSortSeparator, separator);
    }
}

LPCSTR CReportCtrl::GetSortSeparator() const
{
    return mSortSeparator;
}

BOOL CReportCtrl::StartEdit(int row, int column)
{
    if (!mEditable || !IsValidIndex(row) || column < 0 || column >= GetColumnCount())
        return FALSE;
    if (row == mEditor.GetRow() && column == mEditor.GetColumn())
        return TRUE;
    EndEdit(TRUE);
    mEditor.SetCell(row, column);
    SetAllItemStates(kItemSelected, kItemUnselected);
    SetItemStatesNoVerify(row, kItemSelected | kItemFocused);
    return mEditor.Open();
}

BOOL CReportCtrl::EndEdit(BOOL commit)
{
    const int row = mEditor.GetRow();
    const int column = mEditor.GetColumn();
    const bool running = mEditable && IsValidIndex(row) && column >= 0 && column < GetColumnCount();
    CString text;
    if (!mEditor.Close(text) || !running || !commit || strcmp(text, CListCtrl::GetItemText(row, column)) == 0)
        return FALSE;
    CListCtrl::SetItemText(row, column, text);
    UnsetSortedColumn();
    NotifyParent(kEditCommittedMessage, static_cast<WPARAM>(row), static_cast<LPARAM>(column));
    return TRUE;
}

BOOL CReportCtrl::PreTranslateMessage(MSG* message)
{
    if (message->message != WM_KEYDOWN)
        return CListCtrl::PreTranslateMessage(message);
    const UINT key = static_cast<UINT>(message->wParam);
    if (!mEditor.IsOpen()) {
        // The space bar would toggle the check box behind the check-box style's back.
        return key == VK_SPACE ? TRUE : CListCtrl::PreTranslateMessage(message);
    }
    int row = -1, column = -1;
    if (key == VK_RETURN || key == VK_ESCAPE) {
        EndEdit(key == VK_RETURN);
        return TRUE;
    }
    if (mEditor.NextCell(key, row, column)) {
        EndEdit(TRUE);
        StartEdit(row, column);
        if (key != VK_TAB)
            EnsureVisible(row, FALSE);
        return TRUE;
    }
    return CListCtrl::PreTranslateMessage(message);
}

BOOL CReportCtrl::IsValidIndex(int row) const
{
    return row >= 0 && row < CListCtrl::GetItemCount();
}

BOOL CReportCtrl::IsEditVisible() const
{
    return mEditor.IsOpen();
}

BOOL CReportCtrl::IsRearrangingRows() const
{
    return mRearranging > 0;
}

BOOL CReportCtrl::ItemCheckMonitor(int row, BOOL wasChecked, BOOL isChecked, UINT message)
{
    if (!IsValidIndex(row) || mCheckboxStyle == kCheckboxNone || !wasChecked == !isChecked)
        return FALSE;
    if (mCheckboxStyle == kCheckboxReadOnly) {
        SetItemStatesNoVerify(row, wasChecked ? kItemChecked : kItemUnchecked);
        return TRUE;
    }
    if (mCheckboxStyle == kCheckboxSingle && isChecked) {
        SetAllItemStates(kItemChecked, kItemUnchecked);
        CListCtrl::SetCheck(row, TRUE);
    }
    SetAllItemStates(kItemSelected, kItemUnselected);
    SetItemStatesNoVerify(row, kItemSelected | kItemFocused);
    NotifyParent(kCheckChangedMessage, static_cast<WPARAM>(row), static_cast<LPARAM>(message));
    return TRUE;
}

void CReportCtrl::MouseClickMonitor(UINT message, CPoint point, BOOL triggerEdit)
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    SubItemHitTest(&hit);
    const int row = hit.iItem;
    const BOOL wasChecked = ExamItemStates(row, kItemChecked);
    const BOOL wasEditing = IsEditVisible();
    EndEdit(TRUE);
    const BOOL wasCurrent = triggerEdit && ExamItemStates(row, kItemSelected | kItemFocused);

    Default();

    const BOOL checkHandled = ItemCheckMonitor(row, wasChecked, ExamItemStates(row, kItemChecked), message);
    if (triggerEdit && mEditable && !checkHandled && !wasEditing && wasCurrent)
        StartEdit(row, hit.iSubItem);
}

void CReportCtrl::OnLButtonDown(UINT, CPoint point)
{
    MouseClickMonitor(WM_LBUTTONDOWN, point, TRUE);
}

void CReportCtrl::OnLButtonDblClk(UINT, CPoint point)
{
    MouseClickMonitor(WM_LBUTTONDBLCLK, point, TRUE);
}

void CReportCtrl::OnMButtonDown(UINT, CPoint point)
{
    MouseClickMonitor(WM_MBUTTONDOWN, point, FALSE);
}

void CReportCtrl::OnMButtonDblClk(UINT, CPoint point)
{
    MouseClickMonitor(WM_MBUTTONDBLCLK, point, FALSE);
}

void CReportCtrl::OnRButtonDown(UINT, CPoint point)
{
    MouseClickMonitor(WM_RBUTTONDOWN, point, FALSE);
}

void CReportCtrl::OnRButtonDblClk(UINT, CPoint point)
{
    MouseClickMonitor(WM_RBUTTONDBLCLK, point, FALSE);
}

void CReportCtrl::OnColumnclick(NMHDR* notice, LRESULT* result)
{
    const int column = reinterpret_cast<NMLISTVIEW*>(notice)->iSubItem;
    SortItems(column, column == mSortedColumn ? !mSortAscending : TRUE);
    *result = 0;
}

void CReportCtrl::OnCustomDraw(NMHDR* notice, LRESULT* result)
{
    NMLVCUSTOMDRAW* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(notice);
    *result = CDRF_DODEFAULT;
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
    case CDDS_ITEMPREPAINT:
        *result = CDRF_NOTIFYSUBITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        const int row = static_cast<int>(draw->nmcd.dwItemSpec);
        const COLORREF text = GetItemTextColor(row, draw->iSubItem);
        const COLORREF background = GetItemBkColor(row, draw->iSubItem);
        if (text != 0xFFFFFFFF)
            draw->clrText = text;
        if (background != 0xFFFFFFFF)
            draw->clrTextBk = background;
        break;
    }
    default:
        break;
    }
}

CReportCtrl::CRowRecord* CReportCtrl::AllocItemMemory(DWORD_PTR data) const
{
    const int columns = GetColumnCount();
    CRowRecord* record = new CRowRecord;
    record->data = data;
    record->textColors.assign(columns, ::GetSysColor(COLOR_WINDOWTEXT));
    record->bkColors.assign(columns, ::GetSysColor(COLOR_WINDOW));
    return record;
}

BOOL CReportCtrl::FreeItemMemory(int row)
{
    CRowRecord* record = GetRowRecord(row);
    if (!CListCtrl::DeleteItem(row))
        return FALSE;
    delete record;
    return TRUE;
}

CReportCtrl::CRowRecord* CReportCtrl::GetRowRecord(int row) const
{
    return IsValidIndex(row) ? reinterpret_cast<CRowRecord*>(CListCtrl::GetItemData(row)) : nullptr;
}

void CReportCtrl::UpdateColumn(int column, BOOL inserted)
{
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF background = ::GetSysColor(COLOR_WINDOW);
    const int count = CListCtrl::GetItemCount();
    const size_t at = static_cast<size_t>(column);
    for (int row = 0; row < count; ++row) {
        CRowRecord* record = GetRowRecord(row);
        if (!record)
            continue;
        if (inserted) {
            record->textColors.insert(record->textColors.begin() + std::min(at, record->textColors.size()), text);
            record->bkColors.insert(record->bkColors.begin() + std::min(at, record->bkColors.size()), background);
        } else {
            if (at < record->textColors.size())
                record->textColors.erase(record->textColors.begin() + at);
            if (at < record->bkColors.size())
                record->bkColors.erase(record->bkColors.begin() + at);
        }
    }
}

void CReportCtrl::UnsetSortedColumn()
{
    mSortedColumn = -1;
    mSortAscending = TRUE;
}

void CReportCtrl::StringSplit(const CString& text, std::vector<CString>& parts, char delimiter)
{
    parts.clear();
    int start = 0;
    while (start <= text.GetLength()) {
        int end = text.Find(delimiter, start);
        if (end < 0)
            end = text.GetLength();
        if (end > start)
            parts.push_back(text.Mid(start, end - start));
        start = end + 1;
    }
}

CReportCtrl::CRowContent CReportCtrl::CopyRow(int row) const
{
    CRowContent content;
    content.states = CListCtrl::GetItemState(row, static_cast<UINT>(-1));
    content.record = GetRowRecord(row);
    const int columns = std::max(GetColumnCount(), 1);
    for (int column = 0; column < columns; ++column) {
        content.images.push_back(GetItemImage(row, column));
        content.texts.push_back(CListCtrl::GetItemText(row, column));
    }
    return content;
}

void CReportCtrl::WriteRow(int row, const CRowContent& content)
{
    for (size_t column = 0; column < content.texts.size(); ++column) {
        CListCtrl::SetItem(row, static_cast<int>(column), LVIF_TEXT | LVIF_IMAGE, content.texts[column],
                           content.images[column], 0, 0, 0);
    }
    CListCtrl::SetItemData(row, reinterpret_cast<DWORD_PTR>(content.record));
    CListCtrl::SetItemState(row, content.states, static_cast<UINT>(-1));
}

void CReportCtrl::NotifyParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HWND parent = ::GetParent(m_hWnd))
        ::SendMessageA(parent, message, wParam, lParam);
}
