#include "app/ProgressPanel.h"

#include "res/resource.h"

IMPLEMENT_DYNAMIC(CProgressPanel, CPanel)

CProgressPanel::CProgressPanel(CWnd* parent) : CPanel(IDD_TNW_PROGRESS_PANEL, parent)
{
    mTimer.AddListener(this);
}

CProgressPanel::~CProgressPanel()
{
    mTimer.Deactivate();
    if (m_hWnd)
        DestroyWindow();
}

void CProgressPanel::Start()
{
    mTimer.Deactivate();
    mTimer.Activate(mUpdateGap);
}

void CProgressPanel::End()
{
    mTimer.Deactivate();
}

void CProgressPanel::UpdateProgress()
{
    mControls.Update(mAction);
}

bool CProgressPanel::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code == CTimer::kTimerTick) {
        UpdateProgress();
        return true;
    }
    return CListener::ListenToMessage(code, sender, extra);
}

void CProgressPanel::DoDataExchange(CDataExchange* pDX)
{
    CPanel::DoDataExchange(pDX);
    mControls.Exchange(pDX);
}

BOOL CProgressPanel::OnInitDialog()
{
    CPanel::OnInitDialog();
    mControls.Initialize();
    return TRUE;
}
