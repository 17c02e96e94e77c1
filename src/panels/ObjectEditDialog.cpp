#include "panels/ObjectEditDialog.h"

#include "res/resource.h"

IMPLEMENT_DYNAMIC(CObjectEditDialog, CDialog)

CObjectEditDialog::CObjectEditDialog(CWnd* parent) : CDialog(IDD_TNW_OBJECT_EDIT, parent) {}

CObjectEditDialog::~CObjectEditDialog() = default;

void CObjectEditDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TNW_STACK_PLACE, mPlaceholder);
}

BOOL CObjectEditDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    mStack.SetWindows(this, nullptr, &mPlaceholder);
    SetupPanels();
    mStack.Arrange();
    return TRUE;
}
