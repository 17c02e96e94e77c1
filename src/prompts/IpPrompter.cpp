#include "prompts/IpPrompter.h"

#include "res/resource.h"
#include "util/IpUtils.h"

CIpPrompter::CIpPrompter(CWnd* pParent) : CDialog(IDD_TNW_IP_PROMPTER, pParent) {}

bool CIpPrompter::Prompt(const char* prompt, CString& address)
{
    CIpPrompter dialog;
    dialog.SetPromptText(prompt);
    dialog.SetAddress(address);
    if (dialog.DoModal() != IDOK)
        return false;
    address = dialog.GetResponseAddress();
    return true;
}

BOOL CIpPrompter::OnInitDialog()
{
    CDialog::OnInitDialog();
    mAddressField.SetAddress(UIpUtils::ParseIpAddress(mAddress));
    mAddressField.SetFocus();
    return FALSE;
}

void CIpPrompter::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TNW_IP_ADDRESS, mAddressField);
    if (!pDX->m_bSaveAndValidate)
        SetDlgItemText(IDC_TNW_PROMPT, mPromptText);
}

void CIpPrompter::OnOK()
{
    DWORD address = 0;
    mAddressField.GetAddress(address);
    mAddress = UIpUtils::FormatIpAddress(address);
    EndDialog(IDOK);
}
