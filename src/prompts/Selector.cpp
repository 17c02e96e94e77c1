#include "prompts/Selector.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSelector, CDialog)
    ON_LBN_DBLCLK(IDC_TNW_SELECTION, OnDoubleClickSelection)
END_MESSAGE_MAP()

CSelector::CSelector(CWnd* pParent) : CDialog(IDD_TNW_SELECTOR, pParent), mTitle("Select") {}

CSelector::~CSelector()
{
    for (int i = 0; i < mPending.GetItemCount(); ++i)
        delete static_cast<CString*>(mPending.GetAt(i));
}

void CSelector::AddSelection(const char* text, bool selected)
{
    mPending.Add(new CString(text ? text : ""));
    if (selected)
        mResponseText = text ? text : "";
}

bool CSelector::Prompt()
{
    return DoModal() == IDOK;
}

BOOL CSelector::OnInitDialog()
{
    CDialog::OnInitDialog();
    int preselected = LB_ERR;
    for (int i = 0; i < mPending.GetItemCount(); ++i) {
        const CString& entry = *static_cast<const CString*>(mPending.GetAt(i));
        const int index = mList.AddString(entry);
        if (preselected == LB_ERR && entry == mResponseText)
            preselected = index;
    }
    mList.SetCurSel(preselected);
    mList.SetFocus();
    SetWindowText(mTitle);
    return FALSE;
}

void CSelector::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TNW_SELECTION, mList);
    if (!pDX->m_bSaveAndValidate)
        SetDlgItemText(IDC_TNW_PROMPT, mPromptText);
}

bool CSelector::RetrieveResponseText()
{
    const int selected = mList.GetCurSel();
    if (selected == LB_ERR)
        return false;
    mList.GetText(selected, mResponseText);
    return true;
}

void CSelector::OnOK()
{
    if (RetrieveResponseText())
        EndDialog(IDOK);
}

void CSelector::OnDoubleClickSelection()
{
    OnOK();
}
