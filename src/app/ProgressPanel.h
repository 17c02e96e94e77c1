#pragma once
#include "app/ProgressControls.h"
#include "core/Timer.h"
#include "panels/Panel.h"

// The progress display as a panel (template 11030) for any window: it polls its action on
// a timer of its own and redraws the job's and the detail step's text, bar, passed time
// and time left. It has no buttons; the window around it offers Cancel and Skip.
class AFX_EXT_CLASS CProgressPanel : public CPanel, public CListener {
    DECLARE_DYNAMIC(CProgressPanel)
public:
    explicit CProgressPanel(CWnd* parent = nullptr);
    ~CProgressPanel() override;

    // Not owned; it must outlive polling.
    void SetAction(CWindowsProgressAction* action) { mAction = action; }
    // Takes effect at the next Start.
    void SetUpdateGap(unsigned long ms) { mUpdateGap = ms; }
    unsigned long GetUpdateGap() const { return mUpdateGap; }

    void Start();
    void End();
    bool IsPolling() const { return mTimer.IsActive(); }
    void UpdateProgress();

    bool ListenToMessage(long code, const void* sender, const void* extra) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    CTimer mTimer;
    unsigned long mUpdateGap = 500;
    CWindowsProgressAction* mAction = nullptr;
    CProgressControls mControls;
};
