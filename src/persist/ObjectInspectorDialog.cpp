#include "persist/ObjectInspectorDialog.h"

#include "res/resource.h"

CObjectInspectorDialog::CObjectInspectorDialog(CWnd* parent)
    : CObjectInspectorDialogT(IDD_TNW_OBJECT_INSPECTOR, IDC_TNW_OBJECT_TREE, parent)
{
}
