#include "dialogs/RepeatPrompter.h"

BEGIN_MESSAGE_MAP(CRepeatPrompter, CDialog)
    ON_BN_CLICKED(IDYES, OnYes)
    ON_BN_CLICKED(IDNO, OnNo)
    ON_BN_CLICKED(kApplyToAllId, OnApplyToAll)
END_MESSAGE_MAP()

CRepeatPrompter::CRepeatPrompter() : CDialog(IDD)
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
    mMessage = message;
    mShowApplyToAll = showApplyToAll;
    mAnswer = DoModal() == IDYES;
    return mAnswer;
}

BOOL CRepeatPrompter::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(kMessageId, mMessage);
    ::ShowWindow(::GetDlgItem(m_hWnd, kApplyToAllId), mShowApplyToAll ? SW_SHOW : SW_HIDE);
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
    mApplyToAll = ::IsDlgButtonChecked(m_hWnd, kApplyToAllId) == BST_CHECKED;
}
