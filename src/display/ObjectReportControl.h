#pragma once
#include "display/ListControlUtils.h"
#include "display/ReportCtrl.h"

#include "tnwbscut.h"

// A report (CReportCtrl) that shows a persistent list, one row per object, as the object
// list control does for a plain list-view: the control is the top display, each object's
// CObjectListDisplay child carries its row as the report's item data. Sorting, check box
// styles, cell colours and in-place editing are the report's.
//
// A changed object rewrites its own row wherever sorting put it (the row is found by its
// item data) and, as every text change of the report does, forgets the sort.
//
// Decisions of this library:
// - Selection notices compare each row with its display, so that a display selected by
//   the program (the display base tells of that itself) is not announced twice, and each
//   row whose selection the user changed is announced once.
// - Rows that the report moves (sorting, MoveTo, SwapItems) take their states along; the
//   item changes of that time are not the user's, and no object is asked to check or
//   uncheck for them.
// - Finding a row's display reads the row's item data; finding a display's row tries the
//   neighbours of the row found before, so that walking a long report stays linear.
// - RemoveChildren deletes all rows (and their records) in one step before the displays go.
class AFX_EXT_CLASS CObjectReportControl : public CReportCtrl, public CTopObjectDisplay {
public:
    CObjectReportControl();
    ~CObjectReportControl() override;

    virtual void CreateListHeaders();
    // The bitmap resource of the row images (0 for none); cx and cy, preset to 48, may be
    // changed to the image size.
    virtual int GetImageListResource(int& cx, int& cy);
    virtual const char* GetObjectText(CPersistObject* object, int column, bool forToolTip);
    virtual int GetObjectImage(CPersistObject* object);
    virtual bool GetObjectChecked(CPersistObject* object);
    // Applies a user's check or uncheck; false refuses it and the box goes back.
    virtual bool CheckObject(CPersistObject* object, bool check);

    LONG_PTR CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* child) override;
    void DisplayChanged(CObjectDisplay* changed) override;
    CObjectDisplay* FindDisplayFromHandle(LONG_PTR handle) override;
    void Refresh() override;
    void RemoveChildren() override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    LONG_PTR GetChildDisplayHandle(CObjectDisplay* child) override;
    void SelectChild(CObjectDisplay* child, bool select) override;

    void RemoveListHeaders();
    void SetupImageList();
    int GetListIndex(CObjectDisplay* display) const;
    CObjectDisplay* GetListDisplay(int row) const;
    void CheckItem(int row, bool check);
    bool IsItemChecked(int row) const;
    bool GetCellRect(CPoint& point, CRect& rect, int& row, int& column) const;

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
    CImageList mImageList;
    CToolTipTextBuffer mToolTipText;
    mutable int mLastFoundRow;
};
