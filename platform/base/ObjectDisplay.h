#pragma once
#include "Broadcaster.h"
#include "Listener.h"
#include "PointerList.h"

#include <windows.h>

class CPersistObject;
class CPersistList;
class CTopObjectDisplay;

// One node of a tree of displays that binds persistent objects to what shows them on
// screen. The top display is the control (a list view, a tree, a node window); below it
// every shown object has one child display, in the order of the list it comes from.
//
// Binding. SetObject binds an object: the display listens to it, and to the list it shows
// (GetList: the object itself when it is a CPersistList; a subclass may show a list the
// object holds), then Refresh rebuilds the children. Only the root of a tree and, when
// the top display is nested (SetNested, for trees), every display shows a list; the
// children of a flat control show no lists of their own.
//
// Children. For each object of the list, in list order, CreateChild asks
// CreateChildDisplay(object) for a display (none for a null object), puts it at the
// object's index, binds the object to it, then asks CreateDisplayHandle, which asks the
// parent's CreateChildDisplayHandle(child, object, index) for the on-screen item, and lets
// the child build its own children. RemoveChildDisplay removes a child's children first,
// then DisposeDisplayHandle asks the parent's DisposeChildDisplayHandle(child), then the
// child is deleted. The children follow the list by themselves: the list's added, removed
// and replaced notices add, remove or rebuild children (a list that changed without notice
// is rebuilt), and SyncDisplays is called after each change. An object or list that is
// destroyed while shown is unbound, and its children removed.
//
// Handles. A display handle (LONG_PTR, so that item pointers fit) finds a display's item
// on screen. Handles are not stored: GetDisplayHandle asks the parent's
// GetChildDisplayHandle each time, so a control may compute them (row indexes move).
// The base numbers children by their index; -1 is never a handle.
// FindDisplayFromHandle looks among the children, then among their descendants.
//
// Selection. Select asks the parent's SelectChild, so every request ends where the
// selection is kept. SelectChild changes the child's flag and, when it changed,
// broadcasts kSelectionChanged (the child, a pointer to the new state as bool) from the
// top display (from the root when there is no top display). Selection queries walk the
// tree depth-first, a display before its children.
//
// Changes. DisplayChanged and Redraw travel up to the root; the root takes a changed
// display as a reason to redraw. SetObjectText with field 0 (the label the user edited)
// broadcasts kObjectTextEdited (the display, the text) from the top display, so that the
// application that owns the objects can rename one; a null text (edit cancelled) and other
// fields do nothing in the base.
//
// Editing. CanSelectAll needs children. Delete takes the selected objects out of their
// lists, deleting them when the list owns them; CanDelete says whether there is one. The
// base keeps no clipboard: Copy and Paste do nothing (CanCopy, CanPaste false), and Cut,
// a copy followed by a delete, deletes nothing unless the copy succeeded. Displays that
// can copy their objects override these.
//
// The closing flag is the controls' own: they set it while their window goes away.
// Displays live on the user-interface thread and are not copied.
class TNWBS_CLASS CObjectDisplay : public CListener, public CBroadcaster {
public:
    static constexpr long kSelectionChanged = 3499634;
    static constexpr long kObjectTextEdited = 3499635;

    explicit CObjectDisplay(CObjectDisplay* parent = nullptr);
    ~CObjectDisplay() override;
    CObjectDisplay(const CObjectDisplay&) = delete;
    CObjectDisplay& operator=(const CObjectDisplay&) = delete;

    // ListenToMessage is the listener's; the display answers notices in Respond.
    bool Respond(long code, CBroadcaster* broadcaster, long data1, long data2) override;
    virtual LONG_PTR CreateDisplayHandle(CPersistObject* object, int index);
    virtual LONG_PTR CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object,
                                              int index);
    // With withDescendants the handles of all displays below are disposed first.
    virtual void DisposeDisplayHandle(bool withDescendants);
    virtual void DisposeChildDisplayHandle(CObjectDisplay* child);
    virtual void DisplayChanged(CObjectDisplay* changed);
    virtual void SyncDisplays();
    virtual CObjectDisplay* FindDisplayFromHandle(LONG_PTR handle);
    virtual bool IsDisplayHandle(LONG_PTR handle);
    virtual CObjectDisplay* GetParentDisplay();
    virtual CTopObjectDisplay* GetTopDisplay();
    // Binding the bound object again changes nothing; Refresh rebuilds.
    virtual void SetObject(CPersistObject* object);
    virtual CPersistList* GetList(CPersistObject* object);
    virtual void Refresh();
    virtual void RemoveChildren();
    virtual void RemoveChildDisplay(CObjectDisplay* child);
    virtual void CreateChildren();
    virtual CObjectDisplay* CreateChild(CPersistObject* object, int index);
    virtual CObjectDisplay* CreateChildDisplay(CPersistObject* object);
    virtual LONG_PTR GetDisplayHandle();
    virtual LONG_PTR GetChildDisplayHandle(CObjectDisplay* child);
    virtual void SetObjectText(char* text, long field);
    virtual void Redraw();
    virtual void Select(bool select);
    virtual bool IsSelected();
    virtual void SelectChild(CObjectDisplay* child, bool select);
    virtual void SelectAll(bool select);
    virtual int GetSelectionCount();
    // Adds the selected displays below this one; the list is not emptied first.
    virtual void GetSelection(CPointerList& list);
    virtual CObjectDisplay* GetSelection();
    virtual bool CanCopy();
    virtual bool CanPaste();
    virtual bool CanDelete();
    virtual bool CanSelectAll();
    // Each answers whether it did anything.
    virtual bool Copy();
    virtual bool Cut();
    virtual bool Paste();
    virtual bool Delete();

    // windows.h turns GetObject into GetObjectA (or W) wherever it is seen; the member is
    // declared under its own name and reachable under both others.
#pragma push_macro("GetObject")
#undef GetObject
    CPersistObject* GetObject() const;
    CPersistObject* GetObjectA() const { return GetObject(); }
    CPersistObject* GetObjectW() const { return GetObject(); }
#pragma pop_macro("GetObject")

    // The list whose objects the children show, or null.
    CPersistList* GetDisplayedList() const;
    int GetChildDisplayCount() const;
    CObjectDisplay* GetChildDisplay(int index) const;
    int GetChildIndex(const CObjectDisplay* child) const;
    CObjectDisplay* FindChildDisplay(const CPersistObject* object) const;
    // Only the flag: no broadcast, nothing on screen.
    void SetSelected(bool selected);
    void SetClosing(bool closing);
    bool IsClosing() const;

private:
    bool ShowsList();
    void Bind(CPersistObject* object);
    void Unbind();
    // Whether the children show the list's objects but for the one just added at (taken
    // out from) changed.
    bool MirrorsListExcept(int changed, bool added) const;
    void Forget();
    CBroadcaster* GetAnnouncer();

    CObjectDisplay* mParent;
    CPersistObject* mObject;
    CPersistList* mList;
    CPointerList mChildren;
    bool mSelected;
    bool mClosing;
};
