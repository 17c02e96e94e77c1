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
    mApplyToAllBox.ShowWindow(mShowApplyToAll ? SW_SHOW : SW_HIDE);
    return TRUE;
}

void CRepeatPrompter::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TNW_APPLY_TO_ALL, mApplyToAllBox);
}

void CRepeatPrompter::OnYes()
{
    UpdateData(TRUE);
    EndDialog(IDYES);
}

void CRepeatPrompter::OnNo()
{
    UpdateData(TRUE);
    EndDialog(IDNO);
}

void CRepeatPrompter::OnApplyToAll()
{
    mApplyToAll = mApplyToAllBox.GetCheck() == BST_CHECKED;
}
