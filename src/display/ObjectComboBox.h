#pragma once
#include "afxwin.h"

#include "tnwbscut.h"

// A combo box that shows a persistent list, one entry per object: the control is the top
// display and each object's child display owns one entry, whose item data is the display.
// A child's handle is its entry's index, found again by searching the item data (entries
// move when others are added or deleted, or sorted with CBS_SORT). A derived control gives
// the entry texts (GetObjectText, empty by default).
//
// Picking an entry deselects the display selected before (broadcasting kSelectionChanged,
// 3499634, with false) and selects the picked one (broadcasting it with true). Selecting
// or deselecting a display by code makes its entry the current one either way.
//
// Decisions of this library:
// - A display without an entry has the handle -1 (not 0, which is the first entry).
// - GetListDisplay of an index that holds no entry is null, never the combo box's error
//   value taken for a pointer; FindDisplayFromHandle reads the entry's item data directly.
// - While the window closes, displays that are selected touch no entry.
class AFX_EXT_CLASS CObjectComboBox : public CComboBox, public CTopObjectDisplay {
public:
    CObjectComboBox();
    ~CObjectComboBox() override;

    // The entry text; the combo box passes false.
    virtual CString GetObjectText(CPersistObject* object, bool forToolTip);

    LONG_PTR CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* child) override;
    LONG_PTR GetChildDisplayHandle(CObjectDisplay* child) override;
    CObjectDisplay* FindDisplayFromHandle(LONG_PTR handle) override;
    void SelectChild(CObjectDisplay* child, bool select) override;

    // The entry of the display, or -1.
    int GetListIndex(CObjectDisplay* display);
    // The display of the entry, or null.
    CObjectDisplay* GetListDisplay(int index);

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg void OnSelChange();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
