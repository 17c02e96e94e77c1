#include "ObjectReportControl.h"
#include "ObjectListDisplay.h"

#undef GetObject

BEGIN_MESSAGE_MAP(CObjectReportControl, CReportCtrl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGING, OnItemChanging)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClk)
    ON_NOTIFY_REFLECT(LVN_ENDLABELEDITA, OnEndLabelEdit)
    ON_TTN_NEEDTEXT(OnToolTipText)
END_MESSAGE_MAP()

CObjectReportControl::CObjectReportControl() : mLastFoundRow(-1) {}

CObjectReportControl::~CObjectReportControl()
{
    // While this class is still whole, so that its WM_DESTROY handling unbinds the list.
    if (m_hWnd)
        DestroyWindow();
}

void CObjectReportControl::CreateListHeaders() {}

int CObjectReportControl::GetImageListResource(int&, int&)
{
    return 0;
}

const char* CObjectReportControl::GetObjectText(CPersistObject*, int, bool)
{
    return "Error";
}

int CObjectReportControl::GetObjectImage(CPersistObject*)
{
    return 0;
}

bool CObjectReportControl::GetObjectChecked(CPersistObject*)
{
    return false;
}

bool CObjectReportControl::CheckObject(CPersistObject*, bool)
{
    return false;
}

BOOL CObjectReportControl::PreCreateWindow(CREATESTRUCTA& cs)
{
    UListControlUtils::PrepareStyle(cs);
    return CReportCtrl::PreCreateWindow(cs);
}

int CObjectReportControl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CReportCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetupImageList();
    return 0;
}

void CObjectReportControl::OnClose()
{
    SelectAll(false);
    SetObject(nullptr);
    Default();
}

void CObjectReportControl::OnDestroy()
{
    SelectAll(false);
    SetObject(nullptr);
    if (mImageList.m_hImageList)
        CReportCtrl::SetImageList(nullptr);
    CReportCtrl::OnDestroy();
}

void CObjectReportControl::SetupImageList()
{
    int cx = 48;
    int cy = 48;
    const int resource = GetImageListResource(cx, cy);
    if (UListControlUtils::LoadImages(mImageList, resource, cx, cy))
        CReportCtrl::SetImageList(&mImageList);
}

void CObjectReportControl::Refresh()
{
    RemoveListHeaders();
    CreateListHeaders();
    CTopObjectDisplay::Refresh();
}

void CObjectReportControl::RemoveListHeaders()
{
    while (GetColumnCount() > 0 && DeleteColumn(0)) {
    }
}

void CObjectReportControl::RemoveChildren()
{
    // Every row belongs to a child: the rows go at once, then the displays find none.
    DeleteAllItems(kItemAll);
    CTopObjectDisplay::RemoveChildren();
}

CObjectDisplay* CObjectReportControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectListDisplay(this) : nullptr;
}

LONG_PTR CObjectReportControl::CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index)
{
    if (!child || !object)
        return -1;
    const int row = InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, index, GetObjectText(object, 0, false), 0, 0,
                               GetObjectImage(object), reinterpret_cast<LPARAM>(child));
    if (row < 0)
        return -1;
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT;
    for (int subItem = 1; GetColumn(subItem, &column); ++subItem)
        SetItemText(row, subItem, GetObjectText(object, subItem, false));
    CheckItem(row, GetObjectChecked(object));
    return row;
}

void CObjectReportControl::DisposeChildDisplayHandle(CObjectDisplay* child)
{
    if (child)
        DeleteItem(GetListIndex(child), FALSE);
}

LONG_PTR CObjectReportControl::GetChildDisplayHandle(CObjectDisplay* child)
{
    return child ? GetListIndex(child) : -1;
}

CObjectDisplay* CObjectReportControl::FindDisplayFromHandle(LONG_PTR handle)
{
    if (handle < 0 || handle >= CReportCtrl::GetItemCount())
        return nullptr;
    return GetListDisplay(static_cast<int>(handle));
}

int CObjectReportControl::GetListIndex(CObjectDisplay* display) const
{
    if (!display)
        return -1;
    return UListControlUtils::FindRow(CReportCtrl::GetItemCount(), reinterpret_cast<DWORD_PTR>(display), mLastFoundRow,
                                      [this](int row) { return GetItemData(row); });
}

CObjectDisplay* CObjectReportControl::GetListDisplay(int row) const
{
    return reinterpret_cast<CObjectDisplay*>(GetItemData(row));
}

void CObjectReportControl::DisplayChanged(CObjectDisplay* changed)
{
    if (changed == this)
        return;
    const int row = static_cast<int>(GetChildDisplayHandle(changed));
    if (row == -1)
        return;
    if (GetHeaderCtrl()) {
        CPersistObject* object = changed->GetObject();
        for (int column = 0; column < GetColumnCount(); ++column)
            SetItemText(row, column, GetObjectText(object, column, false));
    }
    if (CObjectDisplay* found = FindDisplayFromHandle(row))
        CheckItem(row, GetObjectChecked(found->GetObject()));
}

void CObjectReportControl::SelectChild(CObjectDisplay* child, bool select)
{
    if (!child)
        return;
    CTopObjectDisplay::SelectChild(child, select);
    const int row = GetListIndex(child);
    if (row != -1)
        SetItemState(row, select ? LVIS_SELECTED | LVIS_FOCUSED : 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void CObjectReportControl::CheckItem(int row, bool check)
{
    // Row -1 would address every row of the list-view.
    if (row >= 0 && IsItemChecked(row) != check)
        UListControlUtils::WriteCheck(*this, row, check);
}

bool CObjectReportControl::IsItemChecked(int row) const
{
    return UListControlUtils::IsRowChecked(*this, row);
}

bool CObjectReportControl::GetCellRect(CPoint& point, CRect& rect, int& row, int& column) const
{
    return UListControlUtils::GetCellRect(*this, point, rect, row, column);
}

INT_PTR CObjectReportControl::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    return UListControlUtils::ToolHitTest(*this, point, pTI);
}

BOOL CObjectReportControl::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    return UListControlUtils::AnswerToolTip(*this, mToolTipText, pNMHDR, pResult);
}

void CObjectReportControl::OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = IsRearrangingRows() ? 0 : UListControlUtils::CheckChanging(*this, reinterpret_cast<NMLISTVIEW*>(pNMHDR));
}

void CObjectReportControl::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (IsRearrangingRows())
        return;
    const NMLISTVIEW* change = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    if (change->uChanged & LVIF_STATE)
        UListControlUtils::SyncSelection(*this, *this, change);
    UListControlUtils::CheckChanged(*this, change);
}

void CObjectReportControl::OnDblClk(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CObjectReportControl::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    UListControlUtils::EndLabelEdit(*this, pNMHDR);
}
