#pragma once
#include "display/FriendlyListControl.h"
#include "display/ListControlUtils.h"

#include "tnwbscut.h"

// A list-view that shows a persistent list, one row per object: the control is the top
// display of a display tree, and each object gets a CObjectListDisplay child whose row
// carries it as item data. A derived control describes its objects: the columns
// (CreateListHeaders), cell texts, row image, check mark, and what a user's check does.
//
// The control follows the objects (a change of one object rewrites its row only), mirrors
// display selection onto rows and rows onto displays, broadcasting kSelectionChanged
// (3499634, the child display and a pointer to its new state as bool) for each row whose
// selection the user changed. An empty list shows the prompt text. Tool tips (after
// EnableToolTips) name each cell: tool id (row + 1) * 65536 + (column + 1), text
// GetObjectText(object, column, true).
//
// Decisions of this library:
// - Finding a row's display reads the row's item data, and finding a display's row tries
//   the last row during Refresh and the neighbours of the row found before, so that
//   building, refreshing and walking a long list stay linear.
// - A selection notice about one row looks at that row; one about all rows (item -1)
//   looks at every row.
// - RemoveChildren deletes all rows in one step before the displays go.
// - Refresh also refreshes the prompt, so that binding an empty list shows it.
// - Remove and Clear delete the objects only when the list owns them; a list that only
//   points at objects others own just lets them go.
// - The display of a row that is not (or no longer) in the list is never selected on
//   screen: selecting a display without a row changes only the display.
class AFX_EXT_CLASS CObjectListControl : public CFriendlyListControl, public CTopObjectDisplay {
public:
    CObjectListControl();
    ~CObjectListControl() override;

    virtual void CreateListHeaders();
    // The bitmap resource of the row images (0 for none); cx and cy, preset to 48, may be
    // changed to the image size.
    virtual int GetImageListResource(int& cx, int& cy);
    virtual const char* GetObjectText(CPersistObject* object, int column, bool forToolTip);
    virtual int GetObjectImage(CPersistObject* object);
    virtual bool GetObjectChecked(CPersistObject* object);
    // Applies a user's check or uncheck; false refuses it and the box goes back.
    virtual bool CheckObject(CPersistObject* object, bool check);
    virtual void RefreshOneDisplay(CObjectDisplay* display);
    // Deletes the selected objects, then selects the object after the last of them (or
    // the new last object).
    virtual void Remove();
    virtual void Clear();

    LONG_PTR CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* child) override;
    void DisplayChanged(CObjectDisplay* changed) override;
    CObjectDisplay* FindDisplayFromHandle(LONG_PTR handle) override;
    void Refresh() override;
    void RemoveChildren() override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    LONG_PTR GetChildDisplayHandle(CObjectDisplay* child) override;
    void SelectChild(CObjectDisplay* child, bool select) override;

    int GetListIndex(CObjectDisplay* display);
    CObjectDisplay* GetListDisplay(int row) const;
    void CheckItem(int row, bool check);
    bool IsItemChecked(int row) const;
    bool GetCellRect(CPoint& point, CRect& rect, int& row, int& column) const;
    void RemoveListHeaders();
    void SetupImageList();
    void SetPromptText(const char* text);
    void RefreshPrompt();

    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnToolTipText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void Close();

    bool mUpdating;
    bool mRefreshing;
    CImageList mImageList;
    CToolTipTextBuffer mToolTipText;
    CString mPromptText;
    int mLastFoundRow;
};
