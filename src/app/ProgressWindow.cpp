#include "app/ProgressWindow.h"

#include "res/resource.h"
#include "util/WindowsUtils.h"

IMPLEMENT_DYNAMIC(CProgressWindow, CDialog)

BEGIN_MESSAGE_MAP(CProgressWindow, CDialog)
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_COMMAND(IDC_TNW_PROGRESS_SKIP, OnNo)
END_MESSAGE_MAP()

CProgressWindow::CProgressWindow(UINT templateId, unsigned long updateGap, CWnd* parent)
    : CDialog(templateId, parent), mUpdateGap(updateGap), mTemplateId(templateId)
{
}

CProgressWindow::~CProgressWindow() = default;

void CProgressWindow::SetAction(CWindowsProgressAction* action, bool showSkip)
{
    mAction = action;
    mShowSkip = showSkip;
}

bool CProgressWindow::Start(const char* title)
{
    if (!m_hWnd && !Create(mTemplateId))
        return false;
    SetWindowText(title ? title : "");
    ShowWindow(SW_SHOW);
    StartPolling();
    return true;
}

void CProgressWindow::End()
{
    StopPolling();
    if (!m_hWnd)
        return;
    EndDialog(IDCANCEL);
    DestroyWindow();
}

void CProgressWindow::ShowSkip()
{
    UWindowsUtils::ShowWindow(&mSkip, mShowSkip);
}

void CProgressWindow::OnCancel()
{
    StopPolling();
    Broadcast(kCancel, this, nullptr);
}

void CProgressWindow::OnNo()
{
    Broadcast(kSkip, this, nullptr);
}

void CProgressWindow::OnClose()
{
    StopPolling();
    // A dialog turns its close into Cancel.
    CDialog::OnClose();
}

void CProgressWindow::OnDestroy()
{
    StopPolling();
    CDialog::OnDestroy();
}
