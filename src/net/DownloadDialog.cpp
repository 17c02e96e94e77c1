#include "net/DownloadDialog.h"

#include "net/DownloadList.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CDownloadDialog, CDialog)
    ON_BN_CLICKED(IDC_TNW_CHECK_STARTUP, OnCheckCheckstartup)
    ON_BN_CLICKED(IDC_TNW_SHOW_ADDITIONAL, OnCheckShowAdditional)
END_MESSAGE_MAP()

CDownloadDialog::CDownloadDialog(CWnd* parent)
    : CDialog(IDD_TNW_DOWNLOAD, parent), mStartup(false), mShowAdditional(false), mDownloads(nullptr)
{
    mList.AddListener(this);
}

CDownloadDialog::~CDownloadDialog() = default;

void CDownloadDialog::SetStartup(const char* label, bool checked)
{
    mStartupLabel = label;
    mStartup = checked;
}

void CDownloadDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TNW_DOWNLOAD_LIST, mList);
}

BOOL CDownloadDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The list comes from the template, so what its creation would set up is done here.
    mList.SetupImageList();
    mList.SetExtendedStyle(mList.GetExtendedStyle() | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    mList.EnableToolTips(TRUE);

    mList.SetObject(mDownloads);
    if (!mDownloads || mDownloads->GetNecessaryDownloads().GetItemCount() == 0) {
        CheckDlgButton(IDC_TNW_SHOW_ADDITIONAL, BST_CHECKED);
        mShowAdditional = true;
        mList.ShowAdditional(true);
    }

    SetDlgItemText(IDC_TNW_PROMPT, mPrompt);
    SetWindowText(mTitle);
    SetDlgItemText(IDC_TNW_DOWNLOAD_DESCRIPTION, "");

    CWnd* startup = GetDlgItem(IDC_TNW_CHECK_STARTUP);
    if (!mStartupLabel.IsEmpty()) {
        startup->SetWindowText(mStartupLabel);
        CheckDlgButton(IDC_TNW_CHECK_STARTUP, mStartup ? BST_CHECKED : BST_UNCHECKED);
        startup->ShowWindow(SW_SHOW);
    } else {
        startup->ShowWindow(SW_HIDE);
    }

    if (!mDownloads || mDownloads->GetDownloadCount() == 0)
        SetDlgItemText(IDC_TNW_DOWNLOAD_DESCRIPTION, mNoItemText);
    return TRUE;
}

bool CDownloadDialog::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code != CObjectDisplay::kSelectionChanged)
        return CListener::ListenToMessage(code, sender, extra);
    ShowSelectedDescription();
    return true;
}

void CDownloadDialog::ShowSelectedDescription()
{
    if (!GetSafeHwnd())
        return;
    CObjectDisplay* selected = mList.GetSelection();
    CPersistObject* object = selected ? selected->GetObject() : nullptr;
    const bool isPackage = object && object->IsInstanceOf(CDownloadPackage::kDownloadPackageType);
    SetDlgItemText(IDC_TNW_DOWNLOAD_DESCRIPTION,
                   isPackage ? static_cast<const char*>(static_cast<CDownloadPackage*>(object)->GetDescription()) : "");
}

void CDownloadDialog::OnCheckCheckstartup()
{
    mStartup = IsDlgButtonChecked(IDC_TNW_CHECK_STARTUP) == BST_CHECKED;
}

void CDownloadDialog::OnCheckShowAdditional()
{
    mShowAdditional = IsDlgButtonChecked(IDC_TNW_SHOW_ADDITIONAL) == BST_CHECKED;
    mList.ShowAdditional(mShowAdditional);
}
