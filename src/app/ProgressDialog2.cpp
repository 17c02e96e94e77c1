#include "app/ProgressDialog2.h"

#include "res/resource.h"
#include "util/WindowsUtils.h"

IMPLEMENT_DYNAMIC(CProgressDialog2, CProgressWindow)

CProgressDialog2::CProgressDialog2() : CProgressDialog2(kDefaultUpdateGap, nullptr) {}

CProgressDialog2::CProgressDialog2(unsigned long updateGap, CWnd* parent)
    : CProgressWindow(IDD_TNW_PROGRESS2, updateGap, parent), mPanel(nullptr)
{
}

CProgressDialog2::~CProgressDialog2()
{
    mPanel.End();
    if (m_hWnd)
        DestroyWindow();
}

void CProgressDialog2::UpdateProgress()
{
    mPanel.SetAction(mAction);
    mPanel.UpdateProgress();
}

void CProgressDialog2::DoDataExchange(CDataExchange* pDX)
{
    CProgressWindow::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TNW_PROGRESS_SKIP, mSkip);
    DDX_Control(pDX, IDC_TNW_PROGRESS_PLACE, mPlaceholder);
}

BOOL CProgressDialog2::OnInitDialog()
{
    CProgressWindow::OnInitDialog();
    if (mPanel.CreateInWindow(this, false))
        UWindowsUtils::ReplaceWindow(&mPanel, &mPlaceholder);
    ShowSkip();
    return TRUE;
}

void CProgressDialog2::StartPolling()
{
    mPanel.SetAction(mAction);
    mPanel.SetUpdateGap(mUpdateGap);
    mPanel.Start();
}

void CProgressDialog2::StopPolling()
{
    mPanel.End();
}
