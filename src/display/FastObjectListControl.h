#pragma once
#include "display/ObjectListControl.h"

// An object list whose list-view holds no rows of its own (owner data): the item count
// follows the child displays in one call, and texts and images are asked for only for
// the rows on screen. A child's handle, and so its row, is its index in the child list.
class AFX_EXT_CLASS CFastObjectListControl : public CObjectListControl {
public:
    LONG_PTR CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* child) override;
    void SyncDisplays() override;
    CObjectDisplay* FindDisplayFromHandle(LONG_PTR handle) override;
    void RefreshOneDisplay(CObjectDisplay* display) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg void OnGetDispInfo(NMHDR* notice, LRESULT* result);
    DECLARE_MESSAGE_MAP()
};
