#include "prompts/Selector.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSelector, CDialog)
    ON_LBN_DBLCLK(IDC_TNW_SELECTION, OnDoubleClickSelection)
END_MESSAGE_MAP()

CSelector::CSelector(CWnd* pParent) : CDialog(IDD_TNW_SELECTOR, pParent), mTitle("Select") {}

CSelector::~CSelector()
{
    FreePending();
}

void CSelector::FreePending()
{
    for (int i = 0; i < mPending.GetItemCount(); ++i)
        delete static_cast<CString*>(mPending.GetAt(i));
    mPending.RemoveAll();
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
    for (int i = 0; i < mPending.GetItemCount(); ++i)
        mList.AddString(*static_cast<const CString*>(mPending.GetAt(i)));
    FreePending();
    // Every entry begins with the empty answer, but some list boxes find nothing for an
    // empty text: the first entry is selected here then.
    if (mResponseText.IsEmpty())
        mList.SetCurSel(0);
    else
        mList.SelectString(-1, mResponseText);
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
