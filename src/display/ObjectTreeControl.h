#pragma once
#include "afxcmn.h"
#include "display/ObjectTreeDisplay.h"
#include "display/PersistObjectDropTarget.h"

#include "tnwbscut.h"

// A tree view that shows a persistent object and the objects below it, one item per
// object: the control is a nested top display (every display shows the list of its own
// object), each shown object has a CObjectTreeDisplay whose handle is its tree item, and
// every item carries the control as its data. A derived control describes its objects:
// item text (GetObjectText, column 0), image (used selected and not), and the bitmap of
// the images.
//
// The tree follows its objects: added and removed objects add and delete items (with
// everything below them), and any notice of an object rewrites its item's text and image.
// A click on an item selects exactly its display and broadcasts kSelectionChanged for it
// once; selecting displays by code does not move the tree's own selection. An edited label
// goes to the item's display (SetObjectText, field 0, which the display base announces as
// kObjectTextEdited); afterwards the item shows the object's own text, whether the
// application renamed the object or not. A press on an item (its icon, label or state
// icon) that the tree view takes for a drag starts an OLE drag of the object under the
// "Persist Object" format; the drop target answers which object lies under a point
// (CPersistObjectDropTarget::kFindHitObjectMessage).
//
// Decisions of this library:
// - The handle of a display without an item is -1, never 0, so that it cannot be taken
//   for an item; displays without an item (a parent that has none, a display that is not a
//   CObjectTreeDisplay, a window that is not there) get none, and nothing is reported.
// - A new item goes where its object is in its list (after the item of the display before
//   it), so that the tree keeps the list's order when objects are inserted, not only added
//   at the end.
// - Whatever the display base broadcasts while a click clears the old selection is
//   silenced; the broadcasting switch is put back as it was, not simply switched on.
// - WM_DESTROY unbinds the object with broadcasting off and switches it on again
//   afterwards, and revokes the drop target; while the window closes, displays that change
//   touch no item.
// - A deriving drop target that acts on drops can be put in place of the control's own
//   (SetDropTarget); the control registers whichever is current and revokes it when the
//   window goes.
class AFX_EXT_CLASS CObjectTreeControl : public CTreeCtrl, public CTopObjectDisplay {
public:
    CObjectTreeControl();
    ~CObjectTreeControl() override;

    // The item text; the tree asks for column 0, not for a tool tip. "Error" by default.
    virtual const char* GetObjectText(CPersistObject* object, int column, bool forToolTip);
    virtual int GetObjectImage(CPersistObject* object);
    // The bitmap resource of the item images (0 for none); cx and cy, preset to 48, may be
    // changed to the image size.
    virtual int GetImageListResource(int& cx, int& cy);

    LONG_PTR CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* child) override;
    void DisplayChanged(CObjectDisplay* changed) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    LONG_PTR GetChildDisplayHandle(CObjectDisplay* child) override;
    using CTopObjectDisplay::GetSelection;
    // Empties the list first.
    void GetSelection(CPointerList& list) override;

    void SetupImageList();
    // The display of the item under the point (on its icon, label or state icon), or null.
    CObjectDisplay* GetHitDisplay(CPoint& point);
    CObjectDisplay* GetTreeDisplay(LONG_PTR handle);
    // Null gives the control its own drop target back. The control does not own target.
    void SetDropTarget(CPersistObjectDropTarget* target);

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnFindHitObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static const UINT kHitFlags = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;

    CPersistObjectDropTarget& CurrentDropTarget();
    // Rewrites the item of one display (and, with deep, of every display below it).
    void RefreshItem(CObjectDisplay* display, bool deep);
    static HTREEITEM ItemOf(CObjectDisplay* display);

    CImageList mImageList;
    CPersistObjectDropTarget mDropTarget;
    CPersistObjectDropTarget* mOtherDropTarget;
};
