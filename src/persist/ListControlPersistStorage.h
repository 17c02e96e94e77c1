#pragma once
#include "afxcmn.h"
#include "persist/PropertyTextStorage.h"

// Shows a saved object in a report-style list control as rows of "Property" and "Value":
// each object announces itself with a row of its own name (value empty), followed by its
// properties, nested objects inline, all in save order. The version property is left out.
// The two columns (80 and 160 pixels, left-aligned) are made at the first object; a second
// object saved into the same storage adds its rows after the first one's.
//
// Decision of this library: the columns are made again when the list has lost them (a new
// window for the same control, as a dialog shown a second time has), so that a storage
// that outlives one showing still fills the next.
class AFX_EXT_CLASS CListControlPersistStorage : public CPropertyTextStorage {
public:
    // name is not used; the list is not owned.
    CListControlPersistStorage(const char* name, CListCtrl& list);
    ~CListControlPersistStorage() override;

    void EnterObject(const char* name) override;
    void LeaveObject() override;

    // Shows one property row, unless name is the version property.
    void SaveString(const char* name, const char* text);

protected:
    void ShowProperty(const char* name, const char* text) override;

private:
    // The row's index, or -1 when the list took none.
    int InsertRow(const char* name, const char* text);

    CListCtrl* mList;
    int mRow;
    int mDepth;
    bool mColumnsMade;
};
