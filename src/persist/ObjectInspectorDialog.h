#pragma once
#include "afxcmn.h"
#include "persist/ObjectInspectorDialogT.h"
#include "persist/TreeControlPersistStorage.h"

// A modal debugging view of any persistent object ("Object Inspector"): what the object
// saves, as a tree of its objects with a leaf "name: value" for each property, the
// version property included.
class AFX_EXT_CLASS CObjectInspectorDialog
    : public CObjectInspectorDialogT<CObjectInspectorDialog, CTreeCtrl, CTreeControlPersistStorage> {
public:
    explicit CObjectInspectorDialog(CWnd* parent = nullptr);
};
