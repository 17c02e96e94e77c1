#pragma once
#include "display/ObjectControlDisplay.h"

#include <commctrl.h>

// The display of one object in an object tree control: it remembers its tree item, which
// the control makes and deletes. Displays below it are tree displays too, so that every
// object of the hierarchy gets an item of its own.
//
// Any notice of its object other than those the display base answers (list changes, the
// object's end) may have changed the object's text or image: the display tells the control,
// which rewrites the item. Selection requests go up to the control, where the selection is
// kept and announced.
class AFX_EXT_CLASS CObjectTreeDisplay : public CObjectControlDisplay {
public:
    explicit CObjectTreeDisplay(CObjectDisplay* parent);

    bool Respond(long code, CBroadcaster* broadcaster, long data1, long data2) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void SelectChild(CObjectDisplay* child, bool select) override;

    // Null until the item is made and after it is deleted.
    void SetTreeItem(HTREEITEM item) { mTreeItem = item; }
    HTREEITEM GetTreeItem() const { return mTreeItem; }

private:
    HTREEITEM mTreeItem;
};
