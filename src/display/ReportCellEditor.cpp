#include "ReportCellEditor.h"

namespace {

const DWORD kEditStyle = WS_CHILD | WS_BORDER | ES_AUTOHSCROLL | ES_NOHIDESEL;
// A cell's image sits left of its label; the editor leaves it visible.
const int kCellImageWidth = 16;

} // namespace

CReportCellEditor::CReportCellEditor(CListCtrl& list) : mList(list), mRow(-1), mColumn(-1), mAlignment(0) {}

CReportCellEditor::~CReportCellEditor()
{
    Destroy();
}

CEdit* CReportCellEditor::GetEdit()
{
    return &mEdit;
}

bool CReportCellEditor::IsOpen() const
{
    return mEdit.m_hWnd && mEdit.IsWindowVisible();
}

void CReportCellEditor::SetCell(int row, int column)
{
    mRow = row;
    mColumn = column;
}

bool CReportCellEditor::Open()
{
    DWORD alignment = 0;
    if (GetColumnAlignment(mColumn, alignment) && alignment != mAlignment) {
        mAlignment = alignment;
        Destroy();
    }
    if (!mEdit.m_hWnd && !mEdit.Create(mAlignment | kEditStyle, CRect(0, 0, 1, 1), &mList, 0)) {
        mRow = mColumn = -1;
        return false;
    }
    mEdit.SendMessage(WM_SETFONT, static_cast<WPARAM>(mList.SendMessage(WM_GETFONT)), TRUE);

    CRect cell;
    mList.GetSubItemRect(mRow, mColumn, LVIR_LABEL, cell);
    LVITEMA item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = mRow;
    item.iSubItem = mColumn;
    if (mColumn != 0 && mList.GetImageList(LVSIL_SMALL) && mList.GetItem(&item) && item.iImage >= 0)
        cell.left += kCellImageWidth;
    mEdit.MoveWindow(&cell);
    mEdit.SetWindowText(mList.GetItemText(mRow, mColumn));
    mEdit.ShowWindow(SW_SHOW);
    mEdit.SetSel(0, -1);
    mEdit.SendMessage(EM_SCROLLCARET);
    mEdit.SetFocus();
    return true;
}

bool CReportCellEditor::Close(CString& text)
{
    mRow = mColumn = -1;
    if (!IsOpen())
        return false;
    mEdit.GetWindowText(text);
    const bool hadFocus = ::GetFocus() == mEdit.m_hWnd;
    mEdit.ShowWindow(SW_HIDE);
    if (hadFocus)
        mList.SetFocus();
    return true;
}

void CReportCellEditor::Destroy()
{
    if (mEdit.m_hWnd)
        mEdit.DestroyWindow();
}

bool CReportCellEditor::NextCell(UINT key, int& row, int& column) const
{
    CHeaderCtrl* header = mList.GetHeaderCtrl();
    const int columns = header ? header->GetItemCount() : 0;
    row = mRow;
    column = mColumn;
    switch (key) {
    case VK_TAB:
        column = mColumn + 1 < columns ? mColumn + 1 : 0;
        return true;
    case VK_UP:
        return --row >= 0;
    case VK_DOWN:
        return ++row < mList.GetItemCount();
    default:
        return false;
    }
}

bool CReportCellEditor::GetColumnAlignment(int column, DWORD& alignment) const
{
    CHeaderCtrl* header = mList.GetHeaderCtrl();
    HDITEMA item = {};
    item.mask = HDI_FORMAT;
    if (!header || !header->GetItem(column, &item))
        return false;
    alignment = (item.fmt & HDF_CENTER) ? ES_CENTER : (item.fmt & HDF_RIGHT) ? ES_RIGHT : ES_LEFT;
    return true;
}
