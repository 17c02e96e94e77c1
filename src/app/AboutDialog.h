#pragma once
#include "afxlistctl.h"
#include "afxwin.h"

// The about box of every application of the family: a banner, the product with the
// version of its executable, the libraries beside it (every DLL in the application's
// folder with its file version), the maker's notice, and "More..." for the product's
// web page.
class AFX_EXT_CLASS CAboutDialog : public CDialog {
public:
    explicit CAboutDialog(CWnd* parent = nullptr);
    ~CAboutDialog() override;

    // The about box of the running application, modal.
    static void About();
    static void About(const char* product);

    void SetTitle(const char* title);
    void SetProduct(const char* product);
    void SetVersion(const char* version);
    // The running executable's file version becomes the version text.
    void ReadSelfVersion();
    // Lists the DLLs of the application's folder with their versions.
    void ReadComponentsVersions();

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnButtonMore();
    DECLARE_MESSAGE_MAP()

private:
    CString mTitle;
    CListCtrl mComponents;
    CString mProduct;
    CString mVersion;
};
