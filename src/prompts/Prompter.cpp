#include "prompts/Prompter.h"

#include "res/resource.h"

CPrompter::CPrompter(CWnd* pParent) : CDialog(IDD_TNW_PROMPTER, pParent) {}

bool CPrompter::Prompt(const char* prompt, CString& response)
{
    CPrompter dialog;
    dialog.SetPromptText(prompt);
    dialog.SetResponseText(response);
    if (dialog.DoModal() != IDOK)
        return false;
    response = dialog.GetResponseText();
    return true;
}

BOOL CPrompter::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Typing replaces the preset answer; the cursor keys keep it.
    mEdit.SetSel(0, -1);
    mEdit.SetFocus();
    return FALSE;
}

void CPrompter::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TNW_RESPONSE, mEdit);
    if (!pDX->m_bSaveAndValidate)
        SetDlgItemText(IDC_TNW_PROMPT, mPromptText);
    DDX_Text(pDX, IDC_TNW_RESPONSE, mResponseText);
}
