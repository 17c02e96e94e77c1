#include "app/AboutDialog.h"

#include "net/WebAddresses.h"
#include "res/resource.h"
#include "tnwwndut.h"
#include "util/DirectoryPath.h"
#include "util/ShellUtils.h"

BEGIN_MESSAGE_MAP(CAboutDialog, CDialog)
    ON_BN_CLICKED(IDC_ABOUT_MORE, OnButtonMore)
END_MESSAGE_MAP()

CAboutDialog::CAboutDialog(CWnd* parent) : CDialog(IDD_ABOUT, parent) {}

CAboutDialog::~CAboutDialog() = default;

void CAboutDialog::About()
{
    const std::string product =
        UApplicationUtils::GetApplicationName(static_cast<unsigned long>(StApplicationId::Id()));
    About(product.c_str());
}

void CAboutDialog::About(const char* product)
{
    CAboutDialog dialog;
    dialog.SetTitle(CString("About ") + product);
    dialog.SetProduct(product);
    dialog.ReadSelfVersion();
    dialog.DoModal();
}

void CAboutDialog::SetTitle(const char* title)
{
    mTitle = title;
}

void CAboutDialog::SetProduct(const char* product)
{
    mProduct = product;
}

void CAboutDialog::SetVersion(const char* version)
{
    mVersion = version;
}

void CAboutDialog::ReadSelfVersion()
{
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    // A path that filled the buffer may have been cut and names no file.
    SetVersion(length > 0 && length < MAX_PATH ? CVersion(path).GetVersionText().c_str() : "");
}

void CAboutDialog::ReadComponentsVersions()
{
    mComponents.InsertColumn(0, "Component", LVCFMT_LEFT, 240);
    mComponents.InsertColumn(1, "Version", LVCFMT_LEFT, 80);
    CDirectoryPath folder(UDirectoryUtils::GetAppDirectory().c_str());
    folder.Populate("dll");
    int row = 0;
    for (int i = 0; i < folder.GetPathCount(); ++i) {
        CPath* entry = folder.GetPath(i);
        if (entry->IsDir())
            continue;
        const CString path = entry->GetFilePath();
        const int slash = path.ReverseFind('\\');
        mComponents.InsertItem(row, path.Mid(slash + 1));
        mComponents.SetItemText(row, 1, CVersion(path).GetVersionText().c_str());
        ++row;
    }
}

void CAboutDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ABOUT_COMPONENTS, mComponents);
    DDX_Text(pDX, IDC_ABOUT_PRODUCT, mProduct);
    DDX_Text(pDX, IDC_ABOUT_VERSION, mVersion);
}

BOOL CAboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(mTitle);
    ReadComponentsVersions();
    return TRUE;
}

void CAboutDialog::OnButtonMore()
{
    UShellUtils::Open(UWebAddresses::GetProductAddress());
}
