#include "prompts/RepeatPrompter.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CRepeatPrompter, CDialog)
    ON_BN_CLICKED(IDYES, OnYes)
    ON_BN_CLICKED(IDNO, OnNo)
    ON_BN_CLICKED(IDC_TNW_APPLY_TO_ALL, OnApplyToAll)
END_MESSAGE_MAP()

CRepeatPrompter::CRepeatPrompter(CWnd* pParent) : CDialog(IDD_TNW_REPEAT_PROMPTER, pParent)
{
    Reset();
}

void CRepeatPrompter::Reset()
{
    mShowApplyToAll = true;
    mApplyToAll = false;
    mAnswer = false;
}

bool CRepeatPrompter::Prompt(const char* message, bool showApplyToAll)
{
    if (mApplyToAll)
        return mAnswer;
    mMessage = message ? message : "";
    mShowApplyToAll = showApplyToAll;
    mAnswer = DoModal() == IDYES;
    return mAnswer;
}

BOOL CRepeatPrompter::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_TNW_PROMPT, mMessage);
    GetDlgItem(IDC_TNW_APPLY_TO_ALL)->ShowWindow(mShowApplyToAll ? SW_SHOW : SW_HIDE);
    return TRUE;
}

void CRepeatPrompter::OnYes()
{
    EndDialog(IDYES);
}

void CRepeatPrompter::OnNo()
{
    EndDialog(IDNO);
}

void CRepeatPrompter::OnApplyToAll()
{
    mApplyToAll = IsDlgButtonChecked(IDC_TNW_APPLY_TO_ALL) == BST_CHECKED;
}
