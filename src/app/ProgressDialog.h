#pragma once
#include "app/ProgressControls.h"
#include "app/ProgressWindow.h"
#include "core/Timer.h"

// The progress dialog with controls of its own (template 10008): every update gap it
// brings itself to the top and redraws the job and its detail step from the action.
// Cancel and Skip are those of CProgressWindow.
class AFX_EXT_CLASS CProgressDialog : public CProgressWindow {
    DECLARE_DYNAMIC(CProgressDialog)
public:
    CProgressDialog();
    explicit CProgressDialog(unsigned long updateGap, CWnd* parent = nullptr);
    ~CProgressDialog() override;

    void UpdateProgress() override;
    bool IsPolling() const { return mTimer.IsActive(); }

    bool ListenToMessage(long code, const void* sender, const void* extra) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void StartPolling() override;
    void StopPolling() override;

private:
    CTimer mTimer;
    CProgressControls mControls;
};
