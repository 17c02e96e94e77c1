#pragma once
#include "panels/StackHost.h"

// A panel stack on a modal dialog (template 11028, "Export", with OK and Cancel): a wizard.
// Besides the hooks of CStackHost, CanOk (asked at set-up and after every page change:
// false disables OK) and OnFinish (asked when OK is pressed: false keeps the dialog open).
class AFX_EXT_CLASS CStackExportDialog : public CStackHost<CDialog> {
public:
    explicit CStackExportDialog(CWnd* parent = nullptr);
    ~CStackExportDialog() override;

protected:
    virtual bool CanOk() { return true; }
    virtual bool OnFinish() { return true; }

    void DoDataExchange(CDataExchange* pDX) override;
    void UpdateButtons() override;
    void OnOK() override;

private:
    CButton mOk;
};
