#pragma once
#include "app/ProgressPanel.h"
#include "app/ProgressWindow.h"

// The progress dialog built around a progress panel (template 11031): the panel takes the
// place of the "Progress Area" placeholder and does the polling; the dialog adds Cancel
// and Skip, those of CProgressWindow.
class AFX_EXT_CLASS CProgressDialog2 : public CProgressWindow {
    DECLARE_DYNAMIC(CProgressDialog2)
public:
    CProgressDialog2();
    explicit CProgressDialog2(unsigned long updateGap, CWnd* parent = nullptr);
    ~CProgressDialog2() override;

    void UpdateProgress() override;
    CProgressPanel& GetPanel() { return mPanel; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void StartPolling() override;
    void StopPolling() override;

private:
    CProgressPanel mPanel;
    CStatic mPlaceholder;
};
