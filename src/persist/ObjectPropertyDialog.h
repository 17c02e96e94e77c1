#pragma once
#include "afxcmn.h"
#include "persist/ListControlPersistStorage.h"
#include "persist/ObjectInspectorDialogT.h"

// A modal debugging view of any persistent object ("Object Inspector"): what the object
// saves, as a list of "Property" and "Value" rows, each object announced by a row of its
// name; the version property is left out.
class AFX_EXT_CLASS CObjectPropertyDialog
    : public CObjectInspectorDialogT<CObjectPropertyDialog, CListCtrl, CListControlPersistStorage> {
public:
    explicit CObjectPropertyDialog(CWnd* parent = nullptr);
};
