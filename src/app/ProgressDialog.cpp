#include "app/ProgressDialog.h"

#include "res/resource.h"

IMPLEMENT_DYNAMIC(CProgressDialog, CProgressWindow)

CProgressDialog::CProgressDialog() : CProgressDialog(kDefaultUpdateGap, nullptr) {}

CProgressDialog::CProgressDialog(unsigned long updateGap, CWnd* parent)
    : CProgressWindow(IDD_TNW_PROGRESS, updateGap, parent)
{
    mTimer.AddListener(this);
}

CProgressDialog::~CProgressDialog()
{
    mTimer.Deactivate();
    // Destroyed here, while the controls still exist for the handlers that see it go.
    if (m_hWnd)
        DestroyWindow();
}

void CProgressDialog::UpdateProgress()
{
    if (!mAction || !m_hWnd)
        return;
    BringWindowToTop();
    mControls.Update(mAction);
}

bool CProgressDialog::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code == CTimer::kTimerTick) {
        UpdateProgress();
        return true;
    }
    return CListener::ListenToMessage(code, sender, extra);
}

void CProgressDialog::DoDataExchange(CDataExchange* pDX)
{
    CProgressWindow::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TNW_PROGRESS_SKIP, mSkip);
    mControls.Exchange(pDX);
}

BOOL CProgressDialog::OnInitDialog()
{
    CProgressWindow::OnInitDialog();
    mControls.Initialize();
    ShowSkip();
    return TRUE;
}

void CProgressDialog::StartPolling()
{
    mTimer.Deactivate();
    mTimer.Activate(mUpdateGap);
}

void CProgressDialog::StopPolling()
{
    mTimer.Deactivate();
}
