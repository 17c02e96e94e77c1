#pragma once
#include "display/ListControlUtils.h"
#include "display/ObjectListDisplay.h"
#include "display/RowIndex.h"
#include "util/NoRedraw.h"

#include "tnwbscut.h"

// The binding of a persistent list to a list-view, written once for every object list
// control: the object list (over CFriendlyListControl), its owner-data and owner-drawn
// kinds, and the object report (over CReportCtrl). A control derives from
// CObjectListBinding<itself, its list base>, in the manner of the WTL mixins, and puts
// ON_OBJECT_LIST_BINDING_MESSAGES() in its message map.
//
// The control is the top display of a display tree, and each object of the list gets a
// CObjectListDisplay child whose row carries it as item data. A derived control describes
// its objects: the columns (CreateListHeaders), cell texts, row image, check mark, and
// what a user's check does (CheckObject). The control follows the objects (a change of
// one object rewrites its row), mirrors display selection onto rows and rows onto
// displays, broadcasting kSelectionChanged (3499634, the child display and a pointer to
// its new state as bool) for each row whose selection the user changed. Tool tips (after
// EnableToolTips) name each cell: tool id (row + 1) * 65536 + (column + 1), text
// GetObjectText(object, column, true).
//
// What the kinds differ in, T supplies by hiding these members of the binding (WTL's
// static overriding): RefreshPrompt (the object list shows a prompt while its list is
// empty), RefreshOneDisplay (the object list makes it virtual, so that its owner-data
// kind rewrites no rows) and IsMovingRows (the report moves rows with their states while
// sorting; those item changes are no user's).
//
// Decisions of this library:
// - A display's row is found through a CRowIndex, in logarithmic time, wherever sorting,
//   moves, insertions and removals have put it; a change of one object costs about the
//   same in a list of 10 and of 100,000.
// - CheckObject hears only of check marks the user changes: marks the control writes
//   itself (a new row, a rewritten row, a refused check put back) pass no object. A
//   control that asked the object while building its rows would show an object unchecked
//   that says it is checked, whenever the object refuses the check it already has.
// - A change of the control's own display (DisplayChanged(control)) rewrites every row,
//   in list order; a change of one child display rewrites its row.
// - While the window closes (WM_CLOSE, WM_DESTROY) no row follows a display; a window
//   made again (WM_CREATE) follows them again.
// - A selection notice about one row looks at that row; one about all rows (item -1)
//   looks at every row.
// - RemoveChildren deletes all rows in one step before the displays go, without a
//   notice per row, and Refresh builds the rows with the list-view's redrawing off,
//   redrawing once at the end.
// - The display of a row that is not (or no longer) in the list is never selected on
//   screen: selecting a display without a row changes only the display.
// - The row images are the list-view's normal and small image lists.
template <class T, class TListBase>
class CObjectListBinding : public TListBase, public CTopObjectDisplay {
public:
    CObjectListBinding() : mUpdating(false), mRefreshColumns(-1) {}
    ~CObjectListBinding() override;

    virtual void CreateListHeaders() {}
    // The bitmap resource of the row images (0 for none); cx and cy, preset to 48, may be
    // changed to the image size.
    virtual int GetImageListResource(int&, int&) { return 0; }
    virtual const char* GetObjectText(CPersistObject*, int, bool) { return ""; }
    virtual int GetObjectImage(CPersistObject*) { return 0; }
    virtual bool GetObjectChecked(CPersistObject*) { return false; }
    // Applies a user's check or uncheck; false refuses it and the box goes back.
    virtual bool CheckObject(CPersistObject*, bool) { return false; }

    LONG_PTR CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* child) override;
    void DisplayChanged(CObjectDisplay* changed) override;
    CObjectDisplay* FindDisplayFromHandle(LONG_PTR handle) override;
    void Refresh() override;
    void RemoveChildren() override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    LONG_PTR GetChildDisplayHandle(CObjectDisplay* child) override;
    void SelectChild(CObjectDisplay* child, bool select) override;

    // The row of a display, -1 for none.
    int GetListIndex(CObjectDisplay* display);
    CObjectDisplay* GetListDisplay(int row) const;
    void CheckItem(int row, bool check);
    bool IsItemChecked(int row) const { return UListControlUtils::IsRowChecked(*this, row); }
    bool GetCellRect(CPoint& point, CRect& rect, int& row, int& column) const
    {
        return UListControlUtils::GetCellRect(*this, point, rect, row, column);
    }
    void RemoveListHeaders();
    void SetupImageList();

    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* tool) const override
    {
        return UListControlUtils::ToolHitTest(*this, point, tool);
    }

protected:
    void RefreshPrompt() {}
    void RefreshOneDisplay(CObjectDisplay* display);
    bool IsMovingRows() const { return false; }

    // For kinds whose rows the list-view does not hold: the row index follows the rows.
    void RowInserted(int row, CObjectDisplay* child) { mRows.Inserted(row, child); }
    void RowRemoved(int row) { mRows.Removed(row); }

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg int OnCreate(LPCREATESTRUCT createStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnItemChanging(NMHDR* notice, LRESULT* result);
    afx_msg void OnItemChanged(NMHDR* notice, LRESULT* result);
    afx_msg void OnDblClk(NMHDR*, LRESULT* result) { *result = 0; }
    afx_msg void OnEndLabelEdit(NMHDR* notice, LRESULT* result);
    afx_msg BOOL OnToolTipText(UINT id, NMHDR* notice, LRESULT* result);
    // When the control itself empties the list, the list-view tells of that once rather
    // than once for every row (100,000 notices take seconds); otherwise the parent hears.
    afx_msg BOOL OnDeleteAllItems(NMHDR*, LRESULT* result)
    {
        *result = mUpdating;
        return mUpdating;
    }
    // Rows the control moves (deleted here, inserted there, given other item data) keep
    // the row index in step; the parent hears of them as well.
    afx_msg BOOL OnRowInserted(NMHDR* notice, LRESULT* result);
    afx_msg BOOL OnRowDeleted(NMHDR* notice, LRESULT* result);

private:
    T* Self() { return static_cast<T*>(this); }
    void Close();
    int ColumnCount() const
    {
        if (mRefreshColumns >= 0)
            return mRefreshColumns;
        CHeaderCtrl* header = this->GetHeaderCtrl();
        return header ? header->GetItemCount() : 0;
    }

    bool mUpdating;  // the control itself changes rows: their notices are not the user's
    int mRefreshColumns;  // while Refresh builds the rows, their columns; otherwise -1
    CImageList mImageList;
    CToolTipTextBuffer mToolTipText;
    CRowIndex mRows;
};

// The messages of the binding, for the message map of each control that derives from it.
#define ON_OBJECT_LIST_BINDING_MESSAGES() \
    ON_WM_CREATE() \
    ON_WM_DESTROY() \
    ON_WM_CLOSE() \
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGING, OnItemChanging) \
    ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged) \
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblClk) \
    ON_NOTIFY_REFLECT(LVN_ENDLABELEDITA, OnEndLabelEdit) \
    ON_NOTIFY_REFLECT_EX(LVN_DELETEALLITEMS, OnDeleteAllItems) \
    ON_NOTIFY_REFLECT_EX(LVN_INSERTITEM, OnRowInserted) \
    ON_NOTIFY_REFLECT_EX(LVN_DELETEITEM, OnRowDeleted) \
    ON_TTN_NEEDTEXT(OnToolTipText)

template <class T, class TListBase>
CObjectListBinding<T, TListBase>::~CObjectListBinding()
{
    // While the control is still whole, so that its WM_DESTROY handling unbinds the list.
    if (this->m_hWnd)
        this->DestroyWindow();
}

template <class T, class TListBase>
BOOL CObjectListBinding<T, TListBase>::PreCreateWindow(CREATESTRUCTA& cs)
{
    UListControlUtils::PrepareStyle(cs);
    return TListBase::PreCreateWindow(cs);
}

template <class T, class TListBase>
int CObjectListBinding<T, TListBase>::OnCreate(LPCREATESTRUCT createStruct)
{
    if (TListBase::OnCreate(createStruct) == -1)
        return -1;
    SetClosing(false);
    SetupImageList();
    Self()->RefreshPrompt();
    return 0;
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::Close()
{
    SetClosing(true);
    SelectAll(false);
    SetObject(nullptr);
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::OnClose()
{
    Close();
    this->Default();
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::OnDestroy()
{
    Close();
    // The list-view would destroy the image lists it holds; the control's own goes with it.
    if (mImageList.m_hImageList) {
        CListCtrl* list = this;
        list->SetImageList(nullptr, LVSIL_NORMAL);
        list->SetImageList(nullptr, LVSIL_SMALL);
    }
    TListBase::OnDestroy();
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::SetupImageList()
{
    int cx = 48;
    int cy = 48;
    const int resource = GetImageListResource(cx, cy);
    if (!UListControlUtils::LoadImages(mImageList, resource, cx, cy))
        return;
    CListCtrl* list = this;
    list->SetImageList(&mImageList, LVSIL_NORMAL);
    list->SetImageList(&mImageList, LVSIL_SMALL);
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::Refresh()
{
    {
        StNoRedraw quiet(*this);
        RemoveListHeaders();
        CreateListHeaders();
        mRefreshColumns = ColumnCount();
        CTopObjectDisplay::Refresh();
        mRefreshColumns = -1;
    }
    Self()->RefreshPrompt();
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::RemoveListHeaders()
{
    CHeaderCtrl* header = this->GetHeaderCtrl();
    while (header && header->GetItemCount() > 0 && this->DeleteColumn(0)) {
    }
}

template <class T, class TListBase>
CObjectDisplay* CObjectListBinding<T, TListBase>::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectListDisplay(this) : nullptr;
}

template <class T, class TListBase>
LONG_PTR CObjectListBinding<T, TListBase>::CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object,
                                                                     int index)
{
    if (!child || !object)
        return -1;
    int row = -1;
    {
        StFlag updating(mUpdating);
        row = this->InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, index, GetObjectText(object, 0, false), 0, 0,
                               GetObjectImage(object), reinterpret_cast<LPARAM>(child));
        if (row >= 0) {
            mRows.Inserted(row, child);
            const int columns = ColumnCount();
            for (int column = 1; column < columns; ++column)
                this->SetItemText(row, column, GetObjectText(object, column, false));
            // A new row shows no check mark.
            if (GetObjectChecked(object))
                CheckItem(row, true);
        }
    }
    // A row more tells of itself; a list being built is told of once, when it is done.
    if (mRefreshColumns < 0)
        Self()->RefreshPrompt();
    return row;
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::RemoveChildren()
{
    StFlag updating(mUpdating);
    // Every row belongs to a child: the rows go at once, then the displays find none.
    this->DeleteAllItems();
    mRows.Clear();
    CTopObjectDisplay::RemoveChildren();
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::DisposeChildDisplayHandle(CObjectDisplay* child)
{
    const int row = GetListIndex(child);
    if (row != -1) {
        this->DeleteItem(row);
        mRows.Removed(row);
    }
    Self()->RefreshPrompt();
}

template <class T, class TListBase>
LONG_PTR CObjectListBinding<T, TListBase>::GetChildDisplayHandle(CObjectDisplay* child)
{
    return child ? GetListIndex(child) : -1;
}

template <class T, class TListBase>
CObjectDisplay* CObjectListBinding<T, TListBase>::FindDisplayFromHandle(LONG_PTR handle)
{
    if (handle < 0 || handle >= this->GetItemCount())
        return nullptr;
    return GetListDisplay(static_cast<int>(handle));
}

template <class T, class TListBase>
int CObjectListBinding<T, TListBase>::GetListIndex(CObjectDisplay* display)
{
    return mRows.Find(display, this->GetItemCount(),
                      [this](int row) -> const void* { return FindDisplayFromHandle(row); });
}

template <class T, class TListBase>
CObjectDisplay* CObjectListBinding<T, TListBase>::GetListDisplay(int row) const
{
    return reinterpret_cast<CObjectDisplay*>(this->GetItemData(row));
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::RefreshOneDisplay(CObjectDisplay* display)
{
    const LONG_PTR handle = GetChildDisplayHandle(display);
    if (handle == -1)
        return;
    const int row = static_cast<int>(handle);
    CPersistObject* object = display->GetObject();
    const int columns = ColumnCount();
    for (int column = 0; column < columns; ++column)
        this->SetItemText(row, column, GetObjectText(object, column, false));
    if (CObjectDisplay* found = FindDisplayFromHandle(row))
        CheckItem(row, GetObjectChecked(found->GetObject()));
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::DisplayChanged(CObjectDisplay* changed)
{
    if (IsClosing())
        return;
    if (changed != this) {
        Self()->RefreshOneDisplay(changed);
        return;
    }
    for (int index = 0; index < GetChildDisplayCount(); ++index)
        Self()->RefreshOneDisplay(GetChildDisplay(index));
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::SelectChild(CObjectDisplay* child, bool select)
{
    if (!child)
        return;
    CTopObjectDisplay::SelectChild(child, select);
    if (IsClosing())
        return;
    // The child's handle, not its item data: an owner-data list keeps no item data.
    const LONG_PTR row = GetChildDisplayHandle(child);
    if (row >= 0)
        this->SetItemState(static_cast<int>(row), select ? LVIS_SELECTED | LVIS_FOCUSED : 0,
                           LVIS_SELECTED | LVIS_FOCUSED);
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::CheckItem(int row, bool check)
{
    // Row -1 would address every row of the list-view.
    if (row < 0 || IsItemChecked(row) == check)
        return;
    StFlag updating(mUpdating);
    UListControlUtils::WriteCheck(*this, row, check);
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::OnItemChanging(NMHDR* notice, LRESULT* result)
{
    *result = 0;
    const NMLISTVIEW* change = reinterpret_cast<NMLISTVIEW*>(notice);
    bool checked = false;
    if (mUpdating || Self()->IsMovingRows() || !UListControlUtils::IsCheckChange(change, checked))
        return;
    // A user's check reaches the object before the list-view shows it; the object's own
    // notice of the change must not rewrite the row the list-view is still changing.
    CObjectDisplay* display = FindDisplayFromHandle(change->iItem);
    if (!display)
        return;
    display->StopListening();
    const bool accepted = CheckObject(display->GetObject(), checked);
    display->StartListening();
    *result = accepted ? 0 : 1;
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::OnItemChanged(NMHDR* notice, LRESULT* result)
{
    *result = 0;
    const NMLISTVIEW* change = reinterpret_cast<NMLISTVIEW*>(notice);
    if (mUpdating)
        return;
    if (Self()->IsMovingRows()) {
        if (change->uChanged & LVIF_PARAM)
            mRows.Moved(change->iItem, FindDisplayFromHandle(change->iItem));
        return;
    }
    if (change->uChanged & LVIF_STATE)
        UListControlUtils::SyncSelection(*this, *this, change);
    bool checked = false;
    if (!UListControlUtils::IsCheckChange(change, checked))
        return;
    // An object that refuses gets its own mark back.
    CObjectDisplay* display = FindDisplayFromHandle(change->iItem);
    if (display && !CheckObject(display->GetObject(), checked))
        CheckItem(change->iItem, GetObjectChecked(display->GetObject()));
}

template <class T, class TListBase>
void CObjectListBinding<T, TListBase>::OnEndLabelEdit(NMHDR* notice, LRESULT* result)
{
    *result = 0;
    UListControlUtils::EndLabelEdit(*this, notice);
}

template <class T, class TListBase>
BOOL CObjectListBinding<T, TListBase>::OnToolTipText(UINT, NMHDR* notice, LRESULT* result)
{
    int row = 0, column = 0;
    if (!UListControlUtils::ToolCell(notice->idFrom, row, column))
        return FALSE;
    CObjectDisplay* display = FindDisplayFromHandle(row);
    CPersistObject* object = display ? display->GetObject() : nullptr;
    if (!object)
        return FALSE;
    mToolTipText.Answer(notice, GetObjectText(object, column, true), result);
    return TRUE;
}

template <class T, class TListBase>
BOOL CObjectListBinding<T, TListBase>::OnRowInserted(NMHDR* notice, LRESULT* result)
{
    *result = 0;
    // Its item data comes later, as a change of the row.
    if (Self()->IsMovingRows())
        mRows.Inserted(reinterpret_cast<NMLISTVIEW*>(notice)->iItem, nullptr);
    return FALSE;
}

template <class T, class TListBase>
BOOL CObjectListBinding<T, TListBase>::OnRowDeleted(NMHDR* notice, LRESULT* result)
{
    *result = 0;
    if (Self()->IsMovingRows())
        mRows.Removed(reinterpret_cast<NMLISTVIEW*>(notice)->iItem);
    return FALSE;
}
