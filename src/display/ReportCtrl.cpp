#include "ReportCtrl.h"

#include <mbstring.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CReportCtrl, CListCtrl)

namespace {

// Report view with scroll bars, visible child; never small icons, label editing by the
// list-view itself, or a list that cannot scroll.
const DWORD kForcedStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LVS_REPORT;
const DWORD kRefusedStyle = LVS_NOSCROLL | LVS_EDITLABELS | LVS_SMALLICON;
const DWORD kForcedExtendedStyle = LVS_EX_FULLROWSELECT | LVS_EX_SUBITEMIMAGES;
const DWORD kEditStyle = WS_CHILD | WS_BORDER | ES_AUTOHSCROLL | ES_NOHIDESEL;
const int kHeaderTextMax = 256;
const int kImageWidth = 16;

DWORD ForceStyle(DWORD style)
{
    return (style & ~kRefusedStyle) | kForcedStyle;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

template <class T>
int CompareValues(T a, T b)
{
    return (a > b) - (a < b);
}

bool IsHexNumber(const char* text, unsigned long& value)
{
    if (!*text)
        return false;
    char* end = nullptr;
    value = strtoul(text, &end, 16);
    return *end == '\0';
}

// A decimal number, possibly followed by one "%".
bool IsDecimalNumber(const char* text, double& value)
{
    if (!*text)
        return false;
    char* end = nullptr;
    value = strtod(text, &end);
    if (end == text)
        return false;
    return *end == '\0' || (end[0] == '%' && end[1] == '\0');
}

// Keeps the window from painting while rows go; only one window can be locked at a time,
// so a lock that someone else holds is left alone.
class StLockedPainting {
public:
    explicit StLockedPainting(HWND hWnd) : mLocked(::LockWindowUpdate(hWnd) != FALSE) {}
    ~StLockedPainting()
    {
        if (mLocked)
            ::LockWindowUpdate(nullptr);
    }
    StLockedPainting(const StLockedPainting&) = delete;
    StLockedPainting& operator=(const StLockedPainting&) = delete;

private:
    bool mLocked;
};

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
    : mEdit(new CEdit), mSortSeparator(nullptr), mEditable(FALSE), mEditItem(-1), mEditSubItem(-1),
      mCheckboxStyle(kCheckboxNormal), mEditAlignment(0), mSortedColumn(-1), mSortAscending(TRUE),
      mRearranging(0)
{
}

CReportCtrl::~CReportCtrl()
{
    // Destroyed here rather than by the base destructor, so that the records are freed by
    // this class's own WM_DESTROY handling.
    if (m_hWnd)
        DestroyWindow();
    delete[] mSortSeparator;
    delete mEdit;
}

BOOL CReportCtrl::Create(CWnd* pParentWnd, UINT nID, const RECT* pRect, DWORD dwStyle)
{
    CRect area;
    if (pRect)
        area = *pRect;
    else if (pParentWnd)
        pParentWnd->GetClientRect(&area);
    return CListCtrl::Create(ForceStyle(dwStyle), area, pParentWnd, nID);
}

BOOL CReportCtrl::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style = ForceStyle(cs.style);
    return CListCtrl::PreCreateWindow(cs);
}

int CReportCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
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
    mEdit->DestroyWindow();
    // The list-view destroys the image lists it holds unless told they are shared: it must
    // not hold the control's own list when that goes.
    if (mItemImages.m_hImageList && GetImageList()->GetSafeHandle() == mItemImages.m_hImageList)
        CListCtrl::SetImageList(nullptr, LVSIL_SMALL);
    mItemImages.DeleteImageList();
    mHeaderImages.DeleteImageList();
    CListCtrl::OnDestroy();
}

DWORD CReportCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    return CListCtrl::SetExtendedStyle(dwNewStyle | kForcedExtendedStyle);
}

BOOL CReportCtrl::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return CWnd::ModifyStyle((dwRemove & ~kForcedStyle) | kRefusedStyle | LVS_TYPEMASK,
                             (dwAdd & ~kRefusedStyle) | kForcedStyle, nFlags);
}

BOOL CReportCtrl::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return CWnd::ModifyStyleEx(dwRemove, dwAdd, nFlags);
}

void CReportCtrl::SetGridLines(BOOL bSet)
{
    const DWORD style = CListCtrl::GetExtendedStyle();
    SetExtendedStyle(bSet ? (style | LVS_EX_GRIDLINES) : (style & ~LVS_EX_GRIDLINES));
}

void CReportCtrl::SetCheckboxeStyle(int nStyle)
{
    if (nStyle < kCheckboxNone || nStyle > kCheckboxReadOnly)
        return;
    EndEdit(TRUE);
    mCheckboxStyle = nStyle;
    if (nStyle != kCheckboxNone)
        _EnsureSingleCheck(-1);
    const DWORD style = CListCtrl::GetExtendedStyle();
    SetExtendedStyle(nStyle != kCheckboxNone ? (style | LVS_EX_CHECKBOXES) : (style & ~LVS_EX_CHECKBOXES));
}

int CReportCtrl::GetCheckboxStyle() const
{
    return mCheckboxStyle;
}

BOOL CReportCtrl::HasColumnHeader() const
{
    return (GetStyle() & LVS_NOCOLUMNHEADER) == 0;
}

BOOL CReportCtrl::SetSortable(BOOL bSet)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header)
        return FALSE;
    if (bSet) {
        header->ModifyStyle(0, HDS_BUTTONS);
    } else {
        header->ModifyStyle(HDS_BUTTONS, 0);
        _UnsetSortedColumn();
    }
    header->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    return TRUE;
}

BOOL CReportCtrl::IsSortable() const
{
    CHeaderCtrl* header = GetHeaderCtrl();
    return header && (header->GetStyle() & HDS_BUTTONS);
}

void CReportCtrl::SetEditable(BOOL bSet)
{
    if (!bSet)
        EndEdit(TRUE);
    mEditable = bSet;
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
    return mEdit;
}

int CReportCtrl::GetColumnCount() const
{
    CHeaderCtrl* header = GetHeaderCtrl();
    return header ? header->GetItemCount() : 0;
}

int CReportCtrl::InsertColumn(int nCol, const LVCOLUMNA* pColumn)
{
    EndEdit(TRUE);
    const int column = CListCtrl::InsertColumn(nCol, pColumn);
    if (column >= 0)
        _UpdateColumn(column, TRUE);
    return column;
}

int CReportCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    EndEdit(TRUE);
    const int column = CListCtrl::InsertColumn(nCol, lpszColumnHeading, nFormat, nWidth, nSubItem);
    if (column >= 0)
        _UpdateColumn(column, TRUE);
    return column;
}

BOOL CReportCtrl::DeleteColumn(int nCol)
{
    EndEdit(TRUE);
    if (!CListCtrl::DeleteColumn(nCol))
        return FALSE;
    _UpdateColumn(nCol, FALSE);
    return TRUE;
}

BOOL CReportCtrl::DeleteAllColumns()
{
    while (GetColumnCount() > 0 && DeleteColumn(0)) {
    }
    return TRUE;
}

BOOL CReportCtrl::SetColumnHeader(const CString& strHeadings)
{
    DeleteAllItems(kItemAll);
    DeleteAllColumns();
    EndEdit(TRUE);

    BOOL added = FALSE;
    std::vector<CString> columns;
    _StringSplit(strHeadings, columns, ';');
    for (const CString& definition : columns) {
        std::vector<CString> fields;
        _StringSplit(definition, fields, ',');
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

CString CReportCtrl::GetHeaderText(int nColumn) const
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
    if (!header->GetItem(nColumn, &item))
        item.pszText[0] = '\0';
    text.ReleaseBuffer();
    return text;
}

BOOL CReportCtrl::SetHeaderText(int nColumn, LPCSTR lpText)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header)
        return FALSE;
    HDITEMA item = {};
    item.mask = HDI_TEXT;
    item.pszText = const_cast<LPSTR>(lpText ? lpText : "");
    return header->SetItem(nColumn, &item);
}

BOOL CReportCtrl::SetHeaderImage(int nColumn, int nImageIndex, BOOL bLeftSide)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (!header)
        return FALSE;
    if (!header->GetImageList())
        header->SetImageList(GetImageList());
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    if (!header->GetItem(nColumn, &item))
        return FALSE;
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt |= HDF_IMAGE;
    if (bLeftSide)
        item.fmt &= ~HDF_BITMAP_ON_RIGHT;
    else
        item.fmt |= HDF_BITMAP_ON_RIGHT;
    item.iImage = nImageIndex;
    return header->SetItem(nColumn, &item);
}

int CReportCtrl::GetHeaderImage(int nColumn) const
{
    CHeaderCtrl* header = GetHeaderCtrl();
    HDITEMA item = {};
    item.mask = HDI_IMAGE;
    if (!header || !header->GetItem(nColumn, &item))
        return -1;
    return item.iImage;
}

CImageList* CReportCtrl::SetHeaderImageList(CImageList* pImageList)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    return header ? header->SetImageList(pImageList) : nullptr;
}

CImageList* CReportCtrl::SetHeaderImageList(UINT nBitmapID, COLORREF crMask)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    CImageList fresh;
    if (!header || !fresh.Create(nBitmapID, kImageWidth, 4, crMask))
        return nullptr;
    CImageList* previous = header->SetImageList(&fresh);
    const bool wasOwn = mHeaderImages.m_hImageList && previous->GetSafeHandle() == mHeaderImages.m_hImageList;
    mHeaderImages.DeleteImageList();
    mHeaderImages.Attach(fresh.Detach());
    return wasOwn ? nullptr : previous;
}

int CReportCtrl::InsertItem(int nIndex, LPCSTR lpText)
{
    return InsertItem(LVIF_TEXT, nIndex, lpText, 0, 0, 0, 0);
}

int CReportCtrl::InsertItem(int nIndex, LPCSTR lpText, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nIndex, lpText, 0, 0, nImage, 0);
}

int CReportCtrl::InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask,
                            int nImage, LPARAM lParam)
{
    const LVITEMA item = MakeItem(nMask, nItem, 0, lpszItem, nImage, nState, nStateMask, lParam);
    return InsertItem(&item);
}

int CReportCtrl::InsertItem(const LVITEMA* pItem)
{
    EndEdit(TRUE);
    _UnsetSortedColumn();
    // The row is born with its record, so that no notification ever finds the caller's
    // data where a record belongs.
    LVITEMA item = *pItem;
    ROWINFO* info = _AllocItemMemory((item.mask & LVIF_PARAM) ? static_cast<DWORD_PTR>(item.lParam) : 0);
    item.mask |= LVIF_PARAM;
    item.lParam = reinterpret_cast<LPARAM>(info);
    const int row = CListCtrl::InsertItem(&item);
    if (row < 0)
        delete info;
    return row;
}

int CReportCtrl::InsertItemEx(int nItem, LPCSTR lpText, ...)
{
    const int row = InsertItem(nItem, lpText);
    if (row < 0)
        return -1;
    va_list texts;
    va_start(texts, lpText);
    for (int column = 1; column < GetColumnCount(); ++column) {
        LPCSTR text = va_arg(texts, LPCSTR);
        if (!text)
            break;
        SetItemText(row, column, text);
    }
    va_end(texts);
    return row;
}

BOOL CReportCtrl::DeleteItem(int nItem, BOOL bSelectNextItem)
{
    if (!_IsValidIndex(nItem))
        return FALSE;
    EndEdit(nItem != mEditItem);
    if (bSelectNextItem)
        _SetItemStatesNoVerify(nItem + 1, kItemSelected);
    return _FreeItemMemory(nItem);
}

int CReportCtrl::DeleteAllItems(DWORD dwStates)
{
    EndEdit(FALSE);
    StLockedPainting locked(m_hWnd);
    if (dwStates & kItemAll) {
        const int count = CListCtrl::GetItemCount();
        std::vector<ROWINFO*> records;
        records.reserve(count);
        for (int row = 0; row < count; ++row)
            records.push_back(_GetRowInfo(row));
        CListCtrl::DeleteAllItems();
        for (ROWINFO* info : records)
            delete info;
        return count;
    }
    int deleted = 0;
    for (int row = 0; row < CListCtrl::GetItemCount();) {
        if (ExamItemStates(row, dwStates) && _FreeItemMemory(row))
            ++deleted;
        else
            ++row;
    }
    return deleted;
}

int CReportCtrl::MoveTo(int nItem, int nNewPosition)
{
    if (!_IsValidIndex(nItem))
        return -1;
    EndEdit(TRUE);
    const int target = std::max(0, std::min(nNewPosition, CListCtrl::GetItemCount() - 1));
    if (target == nItem)
        return nItem;
    _UnsetSortedColumn();
    const ROWCONTENT content = _CopyRow(nItem);
    ++mRearranging;
    CListCtrl::DeleteItem(nItem);
    CListCtrl::InsertItem(target, "");
    _WriteRow(target, content);
    --mRearranging;
    return target;
}

int CReportCtrl::MoveUp(int nItem, int nCount)
{
    return MoveTo(nItem, nItem - nCount);
}

int CReportCtrl::MoveDown(int nItem, int nCount)
{
    return MoveTo(nItem, nItem + nCount);
}

int CReportCtrl::MoveToTop(int nItem)
{
    return MoveTo(nItem, -1);
}

int CReportCtrl::MoveToBottom(int nItem)
{
    return MoveTo(nItem, 0x7FFFFFFF);
}

BOOL CReportCtrl::SwapItems(int nItem1, int nItem2)
{
    EndEdit(TRUE);
    if (!_IsValidIndex(nItem1) || !_IsValidIndex(nItem2))
        return FALSE;
    if (nItem1 == nItem2)
        return TRUE;
    _UnsetSortedColumn();
    const ROWCONTENT first = _CopyRow(nItem1);
    const ROWCONTENT second = _CopyRow(nItem2);
    ++mRearranging;
    _WriteRow(nItem1, second);
    _WriteRow(nItem2, first);
    --mRearranging;
    return TRUE;
}

BOOL CReportCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpText)
{
    EndEdit(TRUE);
    _UnsetSortedColumn();
    return CListCtrl::SetItemText(nItem, nSubItem, lpText);
}

BOOL CReportCtrl::SetItemText(int nItem, int nSubItem, char val)
{
    const char text[2] = { val, '\0' };
    return SetItemText(nItem, nSubItem, text);
}

BOOL CReportCtrl::SetItemText(int nItem, int nSubItem, int val)
{
    CString text;
    text.Format("%d", val);
    return SetItemText(nItem, nSubItem, text);
}

BOOL CReportCtrl::SetItemText(int nItem, int nSubItem, long val)
{
    CString text;
    text.Format("%ld", val);
    return SetItemText(nItem, nSubItem, text);
}

BOOL CReportCtrl::SetItemText(int nItem, int nSubItem, UINT val)
{
    CString text;
    text.Format("%u", val);
    return SetItemText(nItem, nSubItem, text);
}

BOOL CReportCtrl::SetItemText(int nItem, int nSubItem, unsigned long val)
{
    CString text;
    text.Format("%lu", val);
    return SetItemText(nItem, nSubItem, text);
}

BOOL CReportCtrl::SetItemText(int nItem, int nSubItem, double val, int nPrecision)
{
    CString text;
    if (nPrecision >= 0) {
        CString format;
        format.Format("%%.%df", nPrecision);
        text.Format(format, val);
    } else {
        text.Format("%f", val);
        if (text.Find('.') >= 0) {
            text.TrimRight('0');
            text.TrimRight('.');
        }
    }
    return SetItemText(nItem, nSubItem, text);
}

BOOL CReportCtrl::SetItemText(int nItem, int nSubItem, const COleDateTime& dateTime, DWORD dwFlags)
{
    const CString text = dateTime.GetStatus() == COleDateTime::valid
                             ? dateTime.Format(dwFlags, LANG_USER_DEFAULT) : CString();
    return SetItemText(nItem, nSubItem, text);
}

BOOL CReportCtrl::SetItemImage(int nItem, int nSubItem, int nImageIndex)
{
    return CListCtrl::SetItem(nItem, nSubItem, LVIF_IMAGE, nullptr, nImageIndex, 0, 0, 0);
}

int CReportCtrl::GetItemImage(int nItem, int nSubItem) const
{
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    return CListCtrl::GetItem(&item) ? item.iImage : -1;
}

BOOL CReportCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    ROWINFO* info = _GetRowInfo(nItem);
    if (!info)
        return FALSE;
    info->dwData = dwData;
    return TRUE;
}

DWORD_PTR CReportCtrl::GetItemData(int nItem) const
{
    const ROWINFO* info = _GetRowInfo(nItem);
    return info ? info->dwData : 0;
}

BOOL CReportCtrl::SetItem(const LVITEMA* pItem)
{
    LVITEMA item = *pItem;
    if (item.mask & LVIF_PARAM) {
        if (!SetItemData(item.iItem, static_cast<DWORD_PTR>(item.lParam)))
            return FALSE;
        item.mask &= ~LVIF_PARAM;
    }
    return item.mask ? CListCtrl::SetItem(&item) : TRUE;
}

BOOL CReportCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage,
                          UINT nState, UINT nStateMask, LPARAM lParam)
{
    const LVITEMA item = MakeItem(nMask, nItem, nSubItem, lpszItem, nImage, nState, nStateMask, lParam);
    return SetItem(&item);
}

BOOL CReportCtrl::GetItem(LVITEMA* pItem) const
{
    if (!CListCtrl::GetItem(pItem))
        return FALSE;
    if (pItem->mask & LVIF_PARAM) {
        const ROWINFO* info = reinterpret_cast<const ROWINFO*>(pItem->lParam);
        pItem->lParam = info ? static_cast<LPARAM>(info->dwData) : 0;
    }
    return TRUE;
}

CImageList* CReportCtrl::SetImageList(CImageList* pImageList)
{
    return CListCtrl::SetImageList(pImageList, LVSIL_SMALL);
}

BOOL CReportCtrl::SetImageList(UINT nBitmapID, COLORREF crMask)
{
    // The new list is set before the old one goes, so that the list-view never holds a
    // destroyed list.
    CImageList fresh;
    if (!fresh.Create(nBitmapID, kImageWidth, 4, crMask))
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

void CReportCtrl::SetItemTextColor(int nItem, int nSubItem, COLORREF color, BOOL bRedraw)
{
    ApplyCellColor(nItem, nSubItem, color == 0xFFFFFFFF ? ::GetSysColor(COLOR_WINDOWTEXT) : color,
                   true, bRedraw);
}

void CReportCtrl::SetItemBkColor(int nItem, int nSubItem, COLORREF color, BOOL bRedraw)
{
    ApplyCellColor(nItem, nSubItem, color == 0xFFFFFFFF ? ::GetSysColor(COLOR_WINDOW) : color,
                   false, bRedraw);
}

void CReportCtrl::ApplyCellColor(int nItem, int nSubItem, COLORREF color, bool bText, BOOL bRedraw)
{
    const int columns = GetColumnCount();
    const bool oneRow = _IsValidIndex(nItem) != FALSE;
    const bool oneColumn = nSubItem >= 0 && nSubItem < columns;
    const int firstRow = oneRow ? nItem : 0;
    const int lastRow = oneRow ? nItem : CListCtrl::GetItemCount() - 1;
    for (int row = firstRow; row <= lastRow; ++row) {
        ROWINFO* info = _GetRowInfo(row);
        if (!info)
            continue;
        std::vector<COLORREF>& colors = bText ? info->aTextColors : info->aBkColors;
        for (int column = oneColumn ? nSubItem : 0; column < (oneColumn ? nSubItem + 1 : columns); ++column) {
            if (column < static_cast<int>(colors.size()))
                colors[column] = color;
        }
    }
    if (bRedraw)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

COLORREF CReportCtrl::GetItemTextColor(int nItem, int nSubItem) const
{
    const ROWINFO* info = _GetRowInfo(nItem);
    if (!info || nSubItem < 0 || nSubItem >= static_cast<int>(info->aTextColors.size()))
        return 0xFFFFFFFF;
    return info->aTextColors[nSubItem];
}

COLORREF CReportCtrl::GetItemBkColor(int nItem, int nSubItem) const
{
    const ROWINFO* info = _GetRowInfo(nItem);
    if (!info || nSubItem < 0 || nSubItem >= static_cast<int>(info->aBkColors.size()))
        return 0xFFFFFFFF;
    return info->aBkColors[nSubItem];
}

DWORD CReportCtrl::GetItemStates(int nItem) const
{
    if (!_IsValidIndex(nItem))
        return 0;
    const UINT state = CListCtrl::GetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED);
    DWORD states = (state & LVIS_SELECTED) ? kItemSelected : kItemUnselected;
    states |= CListCtrl::GetCheck(nItem) ? kItemChecked : kItemUnchecked;
    states |= (state & LVIS_FOCUSED) ? kItemFocused : kItemUnfocused;
    return states;
}

BOOL CReportCtrl::ExamItemStates(int nItem, DWORD dwStates) const
{
    if (dwStates == 0 || !_IsValidIndex(nItem))
        return FALSE;
    if (dwStates & kItemAll)
        return TRUE;
    return (GetItemStates(nItem) & dwStates) == dwStates;
}

BOOL CReportCtrl::SetItemStates(int nItem, DWORD dwNewStates)
{
    if (!_IsValidIndex(nItem))
        return FALSE;
    const BOOL done = _SetItemStatesNoVerify(nItem, dwNewStates);
    if (dwNewStates & kItemChecked)
        _EnsureSingleCheck(nItem);
    return done;
}

BOOL CReportCtrl::_SetItemStatesNoVerify(int nItem, DWORD dwNewStates)
{
    if (!_IsValidIndex(nItem))
        return FALSE;
    BOOL done = TRUE;
    if (dwNewStates & kItemSelected)
        done &= CListCtrl::SetItemState(nItem, LVIS_SELECTED, LVIS_SELECTED);
    if (dwNewStates & kItemUnselected)
        done &= CListCtrl::SetItemState(nItem, 0, LVIS_SELECTED);
    if (dwNewStates & kItemChecked)
        done &= CListCtrl::SetCheck(nItem, TRUE);
    if (dwNewStates & kItemUnchecked)
        done &= CListCtrl::SetCheck(nItem, FALSE);
    if (dwNewStates & kItemFocused)
        done &= CListCtrl::SetItemState(nItem, LVIS_FOCUSED, LVIS_FOCUSED);
    if (dwNewStates & kItemUnfocused)
        done &= CListCtrl::SetItemState(nItem, 0, LVIS_FOCUSED);
    return done;
}

int CReportCtrl::SetAllItemStates(DWORD dwOldStates, DWORD dwNewStates)
{
    if (dwOldStates == 0 || dwNewStates == 0)
        return FALSE;
    int changed = 0;
    const int count = CListCtrl::GetItemCount();
    for (int row = 0; row < count; ++row) {
        if (ExamItemStates(row, dwOldStates) && _SetItemStatesNoVerify(row, dwNewStates))
            ++changed;
    }
    if (dwNewStates & kItemChecked)
        _EnsureSingleCheck(-1);
    return changed;
}

int CReportCtrl::GetItemCount(DWORD dwStates) const
{
    const int count = CListCtrl::GetItemCount();
    if (dwStates == kItemAll)
        return count;
    int matching = 0;
    for (int row = 0; row < count; ++row) {
        if (ExamItemStates(row, dwStates))
            ++matching;
    }
    return matching;
}

int CReportCtrl::GetFirstItem(DWORD dwStates, int nStartAfter) const
{
    const int count = CListCtrl::GetItemCount();
    for (int row = std::max(nStartAfter, -1) + 1; row < count; ++row) {
        if (ExamItemStates(row, dwStates))
            return row;
    }
    return -1;
}

int CReportCtrl::GetLastItem(DWORD dwStates, int nStartBefore) const
{
    const int count = CListCtrl::GetItemCount();
    const int first = (nStartBefore < 0 || nStartBefore > count) ? count - 1 : nStartBefore - 1;
    for (int row = first; row >= 0; --row) {
        if (ExamItemStates(row, dwStates))
            return row;
    }
    return -1;
}

void CReportCtrl::InvertItems(int nType)
{
    if (nType != 0 && nType != 1)
        return;
    const int count = CListCtrl::GetItemCount();
    for (int row = 0; row < count; ++row) {
        if (nType == 0)
            _SetItemStatesNoVerify(row, ExamItemStates(row, kItemSelected) ? kItemUnselected : kItemSelected);
        else
            _SetItemStatesNoVerify(row, ExamItemStates(row, kItemChecked) ? kItemUnchecked : kItemChecked);
    }
}

BOOL CReportCtrl::SetCheck(int nItem, BOOL bCheck)
{
    if (!_IsValidIndex(nItem))
        return FALSE;
    const BOOL done = CListCtrl::SetCheck(nItem, bCheck);
    if (bCheck)
        _EnsureSingleCheck(nItem);
    return done;
}

void CReportCtrl::_EnsureSingleCheck(int nItem)
{
    if (mCheckboxStyle != kCheckboxSingle)
        return;
    const int keep = nItem >= 0 ? nItem : GetFirstItem(kItemChecked, -1);
    if (keep < 0)
        return;
    const int count = CListCtrl::GetItemCount();
    for (int row = 0; row < count; ++row) {
        if (row != keep && CListCtrl::GetCheck(row))
            CListCtrl::SetCheck(row, FALSE);
    }
}

BOOL CReportCtrl::SortItems(int nColumn, BOOL bAscending)
{
    EndEdit(TRUE);
    if (nColumn < 0 || nColumn >= GetColumnCount() || !IsSortable())
        return FALSE;
    mSortedColumn = nColumn;
    mSortAscending = bAscending;

    // Separator rows stay where they are; the rows between them sort on their own.
    const int count = CListCtrl::GetItemCount();
    for (int first = 0; first < count;) {
        const int separator = _FindSeparator(first - 1, nColumn);
        const int last = separator < 0 ? count - 1 : separator - 1;
        _PartialSort(first, last);
        first = last + 2;
    }
    NotifyParent(kSortedMessage, static_cast<WPARAM>(nColumn), static_cast<LPARAM>(bAscending));
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

void CReportCtrl::SetSortSeparator(LPCSTR lpSortSeparator)
{
    delete[] mSortSeparator;
    mSortSeparator = nullptr;
    if (lpSortSeparator) {
        mSortSeparator = new char[strlen(lpSortSeparator) + 1];
        strcpy(mSortSeparator, lpSortSeparator);
    }
}

LPCSTR CReportCtrl::GetSortSeparator() const
{
    return mSortSeparator;
}

BOOL CReportCtrl::StartEdit(int nItem, int nSubItem)
{
    if (!mEditable || !_IsValidIndex(nItem) || nSubItem < 0 || nSubItem >= GetColumnCount())
        return FALSE;
    if (nItem == mEditItem && nSubItem == mEditSubItem)
        return TRUE;

    EndEdit(TRUE);
    mEditItem = nItem;
    mEditSubItem = nSubItem;
    SetAllItemStates(kItemSelected, kItemUnselected);
    _SetItemStatesNoVerify(nItem, kItemSelected | kItemFocused);

    // The edit window takes its alignment from the column; a new alignment needs a new
    // window, since an edit control keeps the one it was created with.
    DWORD alignment = 0;
    if (_GetHeaderTextFormat(nSubItem, alignment) && alignment != mEditAlignment) {
        mEditAlignment = alignment;
        mEdit->DestroyWindow();
    }
    if (!mEdit->m_hWnd
        && !mEdit->Create(mEditAlignment | kEditStyle, CRect(0, 0, 1, 1), this, 0)) {
        mEditItem = mEditSubItem = -1;
        return FALSE;
    }
    mEdit->SendMessage(WM_SETFONT, static_cast<WPARAM>(SendMessage(WM_GETFONT)), TRUE);

    CRect cell;
    CListCtrl::GetSubItemRect(nItem, nSubItem, LVIR_LABEL, cell);
    if (nSubItem != 0 && GetImageList() && GetItemImage(nItem, nSubItem) >= 0)
        cell.left += kImageWidth;
    mEdit->MoveWindow(&cell);
    mEdit->SetWindowText(CListCtrl::GetItemText(nItem, nSubItem));
    mEdit->ShowWindow(SW_SHOW);
    mEdit->SetSel(0, -1);
    mEdit->SendMessage(EM_SCROLLCARET);
    mEdit->SetFocus();
    return TRUE;
}

BOOL CReportCtrl::EndEdit(BOOL bCommit)
{
    const int row = mEditItem;
    const int column = mEditSubItem;
    const bool running = mEditable && _IsValidIndex(row) && column >= 0 && column < GetColumnCount();
    mEditItem = mEditSubItem = -1;
    if (!_IsEditVisible())
        return FALSE;
    CString text;
    mEdit->GetWindowText(text);
    const bool hadFocus = ::GetFocus() == mEdit->m_hWnd;
    mEdit->ShowWindow(SW_HIDE);
    // Typing goes on in the list, not nowhere.
    if (hadFocus)
        SetFocus();
    if (!running || !bCommit || strcmp(text, CListCtrl::GetItemText(row, column)) == 0)
        return FALSE;
    CListCtrl::SetItemText(row, column, text);
    _UnsetSortedColumn();
    NotifyParent(kEditCommittedMessage, static_cast<WPARAM>(row), static_cast<LPARAM>(column));
    return TRUE;
}

BOOL CReportCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN)
        return CListCtrl::PreTranslateMessage(pMsg);
    if (!_IsEditVisible()) {
        // The space bar would toggle the check box behind the check-box style's back.
        return pMsg->wParam == VK_SPACE ? TRUE : CListCtrl::PreTranslateMessage(pMsg);
    }
    const int row = mEditItem;
    const int column = mEditSubItem;
    switch (pMsg->wParam) {
    case VK_TAB:
        EndEdit(TRUE);
        StartEdit(row, column + 1 < GetColumnCount() ? column + 1 : 0);
        return TRUE;
    case VK_RETURN:
        EndEdit(TRUE);
        return TRUE;
    case VK_ESCAPE:
        EndEdit(FALSE);
        return TRUE;
    case VK_UP:
    case VK_DOWN: {
        const int next = pMsg->wParam == VK_UP ? row - 1 : row + 1;
        if (!_IsValidIndex(next))
            break;
        EndEdit(TRUE);
        StartEdit(next, column);
        EnsureVisible(next, FALSE);
        return TRUE;
    }
    default:
        break;
    }
    return CListCtrl::PreTranslateMessage(pMsg);
}

BOOL CReportCtrl::_IsValidIndex(int nIndex) const
{
    return nIndex >= 0 && nIndex < CListCtrl::GetItemCount();
}

BOOL CReportCtrl::_IsEditVisible() const
{
    return mEdit->m_hWnd && mEdit->IsWindowVisible();
}

BOOL CReportCtrl::_IsRearrangingRows() const
{
    return mRearranging > 0;
}

BOOL CReportCtrl::_ItemCheckMonitor(int nIndex, BOOL bBefore, BOOL bAfter, UINT nMsg)
{
    if (!_IsValidIndex(nIndex) || mCheckboxStyle == kCheckboxNone || !bBefore == !bAfter)
        return FALSE;
    if (mCheckboxStyle == kCheckboxReadOnly) {
        _SetItemStatesNoVerify(nIndex, bBefore ? kItemChecked : kItemUnchecked);
        return TRUE;
    }
    if (mCheckboxStyle == kCheckboxSingle && bAfter) {
        SetAllItemStates(kItemChecked, kItemUnchecked);
        CListCtrl::SetCheck(nIndex, TRUE);
    }
    SetAllItemStates(kItemSelected, kItemUnselected);
    _SetItemStatesNoVerify(nIndex, kItemSelected | kItemFocused);
    NotifyParent(kCheckChangedMessage, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(nMsg));
    return TRUE;
}

void CReportCtrl::_MouseClkMonitor(UINT nMsg, CPoint point, BOOL bTriggerEdit)
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    SubItemHitTest(&hit);
    const int row = hit.iItem;
    const BOOL wasChecked = ExamItemStates(row, kItemChecked);
    const BOOL wasEditing = _IsEditVisible();
    EndEdit(TRUE);
    const BOOL wasCurrent = bTriggerEdit && ExamItemStates(row, kItemSelected | kItemFocused);

    Default();

    const BOOL checkHandled = _ItemCheckMonitor(row, wasChecked, ExamItemStates(row, kItemChecked), nMsg);
    if (bTriggerEdit && mEditable && !checkHandled && !wasEditing && wasCurrent)
        StartEdit(row, hit.iSubItem);
}

void CReportCtrl::OnLButtonDown(UINT, CPoint point)
{
    _MouseClkMonitor(WM_LBUTTONDOWN, point, TRUE);
}

void CReportCtrl::OnLButtonDblClk(UINT, CPoint point)
{
    _MouseClkMonitor(WM_LBUTTONDBLCLK, point, TRUE);
}

void CReportCtrl::OnMButtonDown(UINT, CPoint point)
{
    _MouseClkMonitor(WM_MBUTTONDOWN, point, FALSE);
}

void CReportCtrl::OnMButtonDblClk(UINT, CPoint point)
{
    _MouseClkMonitor(WM_MBUTTONDBLCLK, point, FALSE);
}

void CReportCtrl::OnRButtonDown(UINT, CPoint point)
{
    _MouseClkMonitor(WM_RBUTTONDOWN, point, FALSE);
}

void CReportCtrl::OnRButtonDblClk(UINT, CPoint point)
{
    _MouseClkMonitor(WM_RBUTTONDBLCLK, point, FALSE);
}

void CReportCtrl::OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult)
{
    const int column = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    SortItems(column, column == mSortedColumn ? !mSortAscending : TRUE);
    *pResult = 0;
}

void CReportCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
    case CDDS_ITEMPREPAINT:
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        return;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        const int row = static_cast<int>(draw->nmcd.dwItemSpec);
        const COLORREF text = GetItemTextColor(row, draw->iSubItem);
        const COLORREF background = GetItemBkColor(row, draw->iSubItem);
        if (text != 0xFFFFFFFF)
            draw->clrText = text;
        if (background != 0xFFFFFFFF)
            draw->clrTextBk = background;
        *pResult = CDRF_DODEFAULT;
        return;
    }
    default:
        *pResult = CDRF_DODEFAULT;
        return;
    }
}

CReportCtrl::ROWINFO* CReportCtrl::_AllocItemMemory(DWORD_PTR dwData) const
{
    const int columns = GetColumnCount();
    ROWINFO* info = new ROWINFO;
    info->dwData = dwData;
    info->aTextColors.assign(columns, ::GetSysColor(COLOR_WINDOWTEXT));
    info->aBkColors.assign(columns, ::GetSysColor(COLOR_WINDOW));
    return info;
}

BOOL CReportCtrl::_FreeItemMemory(int nItem)
{
    ROWINFO* info = _GetRowInfo(nItem);
    if (!CListCtrl::DeleteItem(nItem))
        return FALSE;
    delete info;
    return TRUE;
}

CReportCtrl::ROWINFO* CReportCtrl::_GetRowInfo(int nItem) const
{
    return _IsValidIndex(nItem) ? reinterpret_cast<ROWINFO*>(CListCtrl::GetItemData(nItem)) : nullptr;
}

void CReportCtrl::_UpdateColumn(int nColumn, BOOL bInsert)
{
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF background = ::GetSysColor(COLOR_WINDOW);
    const int count = CListCtrl::GetItemCount();
    for (int row = 0; row < count; ++row) {
        ROWINFO* info = _GetRowInfo(row);
        if (!info)
            continue;
        const size_t at = static_cast<size_t>(nColumn);
        if (bInsert) {
            info->aTextColors.insert(info->aTextColors.begin() + std::min(at, info->aTextColors.size()), text);
            info->aBkColors.insert(info->aBkColors.begin() + std::min(at, info->aBkColors.size()), background);
        } else {
            if (at < info->aTextColors.size())
                info->aTextColors.erase(info->aTextColors.begin() + at);
            if (at < info->aBkColors.size())
                info->aBkColors.erase(info->aBkColors.begin() + at);
        }
    }
}

void CReportCtrl::_UnsetSortedColumn()
{
    mSortedColumn = -1;
    mSortAscending = TRUE;
}

BOOL CReportCtrl::_GetHeaderTextFormat(int nColumn, DWORD& dwFormat) const
{
    CHeaderCtrl* header = GetHeaderCtrl();
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    if (!header || !header->GetItem(nColumn, &item))
        return FALSE;
    if (item.fmt & HDF_CENTER)
        dwFormat = ES_CENTER;
    else if (item.fmt & HDF_RIGHT)
        dwFormat = ES_RIGHT;
    else
        dwFormat = ES_LEFT;
    return TRUE;
}

int CReportCtrl::_CompareItems(int nItem1, int nItem2) const
{
    const CString text1 = CListCtrl::GetItemText(nItem1, mSortedColumn);
    const CString text2 = CListCtrl::GetItemText(nItem2, mSortedColumn);

    unsigned long hex1 = 0, hex2 = 0;
    if (IsHexNumber(text1, hex1) && IsHexNumber(text2, hex2))
        return CompareValues(hex1, hex2);
    double number1 = 0, number2 = 0;
    if (IsDecimalNumber(text1, number1) && IsDecimalNumber(text2, number2))
        return CompareValues(number1, number2);
    COleDateTime date1, date2;
    if (date1.ParseDateTime(text1, 0, LANG_USER_DEFAULT) && date2.ParseDateTime(text2, 0, LANG_USER_DEFAULT))
        return date1 < date2 ? -1 : (date2 < date1 ? 1 : 0);
    return Sign(_mbscmp(reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(text1)),
                        reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(text2))));
}

void CReportCtrl::_PartialSort(int nStart, int nEnd)
{
    if (nStart >= nEnd || !_IsValidIndex(nStart) || !_IsValidIndex(nEnd))
        return;
    std::vector<int> order;
    order.reserve(nEnd - nStart + 1);
    for (int row = nStart; row <= nEnd; ++row)
        order.push_back(row);
    _QuickSortRecursive(order.data(), 0, static_cast<int>(order.size()) - 1);

    std::vector<ROWCONTENT> rows;
    rows.reserve(order.size());
    for (int row : order)
        rows.push_back(_CopyRow(row));
    ++mRearranging;
    for (size_t i = 0; i < rows.size(); ++i)
        _WriteRow(nStart + static_cast<int>(i), rows[i]);
    --mRearranging;
}

void CReportCtrl::_QuickSortRecursive(int* pArr, int nLow, int nHigh)
{
    // The smaller part recurses and the larger one loops, so that the stack stays shallow
    // whatever the order of the rows.
    while (nLow < nHigh) {
        const int pivot = pArr[(nLow + nHigh) / 2];
        int left = nLow;
        int right = nHigh;
        while (left <= right) {
            if (mSortAscending) {
                while (_CompareItems(pArr[left], pivot) < 0)
                    ++left;
                while (_CompareItems(pArr[right], pivot) > 0)
                    --right;
            } else {
                while (_CompareItems(pArr[left], pivot) > 0)
                    ++left;
                while (_CompareItems(pArr[right], pivot) < 0)
                    --right;
            }
            if (left <= right) {
                std::swap(pArr[left], pArr[right]);
                ++left;
                --right;
            }
        }
        if (right - nLow < nHigh - left) {
            _QuickSortRecursive(pArr, nLow, right);
            nLow = left;
        } else {
            _QuickSortRecursive(pArr, left, nHigh);
            nHigh = right;
        }
    }
}

int CReportCtrl::_FindSeparator(int nStartAfter, int nColumn) const
{
    if (!mSortSeparator)
        return -1;
    const int count = CListCtrl::GetItemCount();
    for (int row = std::max(nStartAfter, -1) + 1; row < count; ++row) {
        if (CListCtrl::GetItemText(row, nColumn) == mSortSeparator)
            return row;
    }
    return -1;
}

void CReportCtrl::_StringSplit(const CString& str, std::vector<CString>& parts, char chDelimiter)
{
    parts.clear();
    int start = 0;
    while (start <= str.GetLength()) {
        int end = str.Find(chDelimiter, start);
        if (end < 0)
            end = str.GetLength();
        if (end > start)
            parts.push_back(str.Mid(start, end - start));
        start = end + 1;
    }
}

CReportCtrl::ROWCONTENT CReportCtrl::_CopyRow(int nItem) const
{
    ROWCONTENT content;
    content.nStates = CListCtrl::GetItemState(nItem, static_cast<UINT>(-1));
    content.pInfo = _GetRowInfo(nItem);
    const int columns = std::max(GetColumnCount(), 1);
    for (int column = 0; column < columns; ++column) {
        content.aImages.push_back(GetItemImage(nItem, column));
        content.aTexts.push_back(CListCtrl::GetItemText(nItem, column));
    }
    return content;
}

void CReportCtrl::_WriteRow(int nItem, const ROWCONTENT& content)
{
    for (size_t column = 0; column < content.aTexts.size(); ++column) {
        CListCtrl::SetItem(nItem, static_cast<int>(column), LVIF_TEXT | LVIF_IMAGE, content.aTexts[column],
                           content.aImages[column], 0, 0, 0);
    }
    CListCtrl::SetItemData(nItem, reinterpret_cast<DWORD_PTR>(content.pInfo));
    CListCtrl::SetItemState(nItem, content.nStates, static_cast<UINT>(-1));
}

void CReportCtrl::NotifyParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HWND parent = ::GetParent(m_hWnd))
        ::SendMessageA(parent, message, wParam, lParam);
}
