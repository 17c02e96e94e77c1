#include "persist/ObjectPropertyDialog.h"

#include "res/resource.h"

CObjectPropertyDialog::CObjectPropertyDialog(CWnd* parent)
    : CObjectInspectorDialogT(IDD_TNW_OBJECT_PROPERTIES, IDC_TNW_PROPERTY_LIST, parent)
{
}
