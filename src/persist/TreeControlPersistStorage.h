#pragma once
#include "afxcmn.h"
#include "persist/PropertyTextStorage.h"

// Shows a saved object in a tree control: a node for each object, named as it was saved,
// holding a leaf "name: value" for each of its properties (the version property
// included) and the nodes of its nested objects, in save order. Items carry only their
// text.
//
// Decisions of this library:
// - An object's node is expanded once the object is complete, so that the tree shows
//   everything that was saved.
// - An object whose node the tree did not take (a tree without a window) still counts, so
//   that leaving it goes back to the right level.
class AFX_EXT_CLASS CTreeControlPersistStorage : public CPropertyTextStorage {
public:
    // name is not used; the tree is not owned.
    CTreeControlPersistStorage(const char* name, CTreeCtrl& tree);
    ~CTreeControlPersistStorage() override;

    void EnterObject(const char* name) override;
    void LeaveObject() override;

    // Shows one leaf "name: text" under the current object.
    void SaveString(const char* name, const char* text);

protected:
    void ShowProperty(const char* name, const char* text) override;

private:
    HTREEITEM ParentItem() const;

    CTreeCtrl* mTree;
    HTREEITEM mCurrentItem;
    int mLostLevels;
};
