#include "panels/StackExportDialog.h"

#include "res/resource.h"
#include "util/WindowsUtils.h"

CStackExportDialog::CStackExportDialog(CWnd* parent) : CStackHost<CDialog>(IDD_TNW_STACK_EXPORT, parent) {}

CStackExportDialog::~CStackExportDialog()
{
    if (m_hWnd)
        DestroyWindow();
}

void CStackExportDialog::DoDataExchange(CDataExchange* pDX)
{
    CStackHost<CDialog>::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, mOk);
}

void CStackExportDialog::UpdateButtons()
{
    CStackHost<CDialog>::UpdateButtons();
    UWindowsUtils::EnableWindow(&mOk, CanOk());
}

void CStackExportDialog::OnOK()
{
    if (OnFinish())
        EndDialog(IDOK);
}
