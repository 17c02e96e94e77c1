#include "ObjectListControl.h"
#include "ObjectListDisplay.h"

#undef GetObject

namespace {

// Sets a flag for the life of the guard and puts back what it was.
class StFlag {
public:
    explicit StFlag(bool& flag) : mFlag(flag), mPrevious(flag) { mFlag = true; }
    ~StFlag() { mFlag = mPrevious; }
    StFlag(const StFlag&) = delete;
    StFlag& operator=(const StFlag&) = delete;

private:
    bool& mFlag;
    bool mPrevious;
};

} // namespace

BEGIN_MESSAGE_MAP(CObjectListControl, CFriendlyListControl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGING, OnItemChanging)
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClk)
    ON_NOTIFY_REFLECT(LVN_ENDLABELEDITA, OnEndLabelEdit)
    ON_TTN_NEEDTEXT(OnToolTipText)
END_MESSAGE_MAP()

CObjectListControl::CObjectListControl() : mUpdating(false), mRefreshing(false), mLastFoundRow(-1)
{
    SetClosing(false);
}

CObjectListControl::~CObjectListControl()
{
    // While this class is still whole, so that its WM_DESTROY handling unbinds the list.
    if (m_hWnd)
        DestroyWindow();
}

void CObjectListControl::CreateListHeaders() {}

int CObjectListControl::GetImageListResource(int&, int&)
{
    return 0;
}

const char* CObjectListControl::GetObjectText(CPersistObject*, int, bool)
{
    return "";
}

int CObjectListControl::GetObjectImage(CPersistObject*)
{
    return 0;
}

bool CObjectListControl::GetObjectChecked(CPersistObject*)
{
    return false;
}

bool CObjectListControl::CheckObject(CPersistObject*, bool)
{
    return false;
}

BOOL CObjectListControl::PreCreateWindow(CREATESTRUCTA& cs)
{
    UListControlUtils::PrepareStyle(cs);
    return CFriendlyListControl::PreCreateWindow(cs);
}

int CObjectListControl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFriendlyListControl::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetupImageList();
    RefreshPrompt();
    return 0;
}

void CObjectListControl::Close()
{
    SetClosing(true);
    SelectAll(false);
    SetObject(nullptr);
}

void CObjectListControl::OnClose()
{
    Close();
    Default();
}

void CObjectListControl::OnDestroy()
{
    Close();
    // The list-view would destroy the image lists it holds; the control's own goes with it.
    if (mImageList.m_hImageList) {
        CListCtrl::SetImageList(nullptr, LVSIL_NORMAL);
        CListCtrl::SetImageList(nullptr, LVSIL_SMALL);
    }
    CFriendlyListControl::OnDestroy();
}

void CObjectListControl::SetupImageList()
{
    int cx = 48;
    int cy = 48;
    const int resource = GetImageListResource(cx, cy);
    if (!UListControlUtils::LoadImages(mImageList, resource, cx, cy))
        return;
    CListCtrl::SetImageList(&mImageList, LVSIL_NORMAL);
    CListCtrl::SetImageList(&mImageList, LVSIL_SMALL);
}

void CObjectListControl::Refresh()
{
    {
        StFlag refreshing(mRefreshing);
        RemoveListHeaders();
        CreateListHeaders();
        CTopObjectDisplay::Refresh();
    }
    // A list bound empty (or none) makes no rows to tell of it.
    RefreshPrompt();
}

void CObjectListControl::RemoveListHeaders()
{
    CHeaderCtrl* header = GetHeaderCtrl();
    while (header && header->GetItemCount() > 0 && DeleteColumn(0)) {
    }
}

CObjectDisplay* CObjectListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectListDisplay(this) : nullptr;
}

LONG_PTR CObjectListControl::CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index)
{
    if (!child || !object)
        return -1;
    int row = -1;
    {
        StFlag updating(mUpdating);
        row = InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, index, GetObjectText(object, 0, false), 0, 0,
                         GetObjectImage(object), reinterpret_cast<LPARAM>(child));
        if (row >= 0) {
            LVCOLUMNA column = {};
            column.mask = LVCF_FMT;
            for (int subItem = 1; GetColumn(subItem, &column); ++subItem)
                SetItemText(row, subItem, GetObjectText(object, subItem, false));
            CheckItem(row, GetObjectChecked(object));
        }
    }
    RefreshPrompt();
    return row;
}

void CObjectListControl::RemoveChildren()
{
    StFlag updating(mUpdating);
    // Every row belongs to a child: the rows go at once, then the displays find none.
    CListCtrl::DeleteAllItems();
    CTopObjectDisplay::RemoveChildren();
}

void CObjectListControl::DisposeChildDisplayHandle(CObjectDisplay* child)
{
    const int row = GetListIndex(child);
    if (row != -1)
        DeleteItem(row);
    RefreshPrompt();
}

LONG_PTR CObjectListControl::GetChildDisplayHandle(CObjectDisplay* child)
{
    return child ? GetListIndex(child) : -1;
}

CObjectDisplay* CObjectListControl::FindDisplayFromHandle(LONG_PTR handle)
{
    if (handle < 0 || handle >= GetItemCount())
        return nullptr;
    return GetListDisplay(static_cast<int>(handle));
}

int CObjectListControl::GetListIndex(CObjectDisplay* display)
{
    if (!display)
        return -1;
    const int count = GetItemCount();
    const DWORD_PTR wanted = reinterpret_cast<DWORD_PTR>(display);
    if (mRefreshing && count > 0 && GetItemData(count - 1) == wanted)
        return count - 1;
    return UListControlUtils::FindRow(count, wanted, mLastFoundRow, [this](int row) { return GetItemData(row); });
}

CObjectDisplay* CObjectListControl::GetListDisplay(int row) const
{
    return reinterpret_cast<CObjectDisplay*>(GetItemData(row));
}

void CObjectListControl::RefreshOneDisplay(CObjectDisplay* display)
{
    const int row = static_cast<int>(GetChildDisplayHandle(display));
    if (row == -1)
        return;
    CPersistObject* object = display->GetObject();
    CHeaderCtrl* header = GetHeaderCtrl();
    const int columns = header ? header->GetItemCount() : 0;
    for (int column = 0; column < columns; ++column)
        SetItemText(row, column, GetObjectText(object, column, false));
    if (CObjectDisplay* found = FindDisplayFromHandle(row))
        CheckItem(row, GetObjectChecked(found->GetObject()));
}

void CObjectListControl::DisplayChanged(CObjectDisplay* changed)
{
    if (IsClosing())
        return;
    if (changed != this) {
        RefreshOneDisplay(changed);
        return;
    }
    for (int index = 0; index < GetChildDisplayCount(); ++index)
        RefreshOneDisplay(GetChildDisplay(index));
}

void CObjectListControl::SelectChild(CObjectDisplay* child, bool select)
{
    if (!child)
        return;
    CTopObjectDisplay::SelectChild(child, select);
    if (IsClosing())
        return;
    const int row = GetListIndex(child);
    if (row != -1)
        SetItemState(row, select ? LVIS_SELECTED | LVIS_FOCUSED : 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void CObjectListControl::CheckItem(int row, bool check)
{
    // Row -1 would address every row of the list-view.
    if (row < 0 || IsItemChecked(row) == check)
        return;
    StFlag updating(mUpdating);
    UListControlUtils::WriteCheck(*this, row, check);
}

bool CObjectListControl::IsItemChecked(int row) const
{
    return UListControlUtils::IsRowChecked(*this, row);
}

bool CObjectListControl::GetCellRect(CPoint& point, CRect& rect, int& row, int& column) const
{
    return UListControlUtils::GetCellRect(*this, point, rect, row, column);
}

INT_PTR CObjectListControl::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    return UListControlUtils::ToolHitTest(*this, point, pTI);
}

BOOL CObjectListControl::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    return UListControlUtils::AnswerToolTip(*this, mToolTipText, pNMHDR, pResult);
}

void CObjectListControl::SetPromptText(const char* text)
{
    mPromptText = text;
    RefreshPrompt();
}

void CObjectListControl::RefreshPrompt()
{
    CPersistList* list = GetDisplayedList();
    ShowPrompt(list && list->GetItemCount() == 0 ? static_cast<LPCSTR>(mPromptText) : "");
}

void CObjectListControl::OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = UListControlUtils::CheckChanging(*this, reinterpret_cast<NMLISTVIEW*>(pNMHDR));
}

void CObjectListControl::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (mUpdating)
        return;
    const NMLISTVIEW* change = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    if (change->uChanged & LVIF_STATE)
        UListControlUtils::SyncSelection(*this, *this, change);
    UListControlUtils::CheckChanged(*this, change);
}

void CObjectListControl::OnDblClk(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CObjectListControl::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    UListControlUtils::EndLabelEdit(*this, pNMHDR);
}

void CObjectListControl::Remove()
{
    CPersistList* list = GetDisplayedList();
    if (!list)
        return;
    CPointerList selection;
    GetSelection(selection);
    CPersistObject* follower = nullptr;
    for (int index = 0; index < selection.GetItemCount(); ++index) {
        CPersistObject* object = static_cast<CObjectDisplay*>(selection.GetAt(index))->GetObject();
        if (index == selection.GetItemCount() - 1)
            follower = list->GetNext(object);
        // The object's display goes with it as the list tells of the removal.
        list->DeleteAt(list->GetIndex(object));
    }
    SelectAll(false);
    if (!follower)
        follower = list->GetLast();
    if (!follower)
        return;
    if (CObjectDisplay* display = FindChildDisplay(follower))
        display->Select(true);
}

void CObjectListControl::Clear()
{
    SelectAll(false);
    if (CPersistList* list = GetDisplayedList()) {
        for (int index = list->GetItemCount() - 1; index >= 0; --index)
            list->DeleteAt(index);
    }
}
