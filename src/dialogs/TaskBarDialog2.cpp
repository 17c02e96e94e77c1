#include "dialogs/TaskBarDialog2.h"

BEGIN_MESSAGE_MAP(CTaskBarDialog2, CDialog)
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_MESSAGE(CTaskBarIcon::kCallbackMessage, OnSystemTray)
END_MESSAGE_MAP()

CTaskBarDialog2::CTaskBarDialog2(unsigned int templateId, CWnd* parent)
    : CDialog(templateId, parent), mTrayEnabled(false), mMinimizeToTray(false)
{
    mTaskBarIcon.GetRotator().AddListener(this);
}

CTaskBarDialog2::~CTaskBarDialog2() = default;

void CTaskBarDialog2::SetTrayIcon()
{
    mTaskBarIcon.Set(this);
}

void CTaskBarDialog2::ResetTrayIcon()
{
    mTaskBarIcon.Reset();
}

bool CTaskBarDialog2::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code != CIconRotator::kIconChanged)
        return CListener::ListenToMessage(code, sender, extra);
    SetTrayIcon();
    return true;
}

void CTaskBarDialog2::HandleTaskBarMenuCommand(int) {}

BOOL CTaskBarDialog2::OnInitDialog()
{
    CDialog::OnInitDialog();
    return TRUE;
}

BOOL CTaskBarDialog2::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (mTaskBarIcon.IsMenuCommand(wParam, lParam))
        HandleTaskBarMenuCommand(LOWORD(wParam));
    return CDialog::OnCommand(wParam, lParam);
}

void CTaskBarDialog2::OnClose()
{
    ResetTrayIcon();
    CDialog::OnClose();
}

void CTaskBarDialog2::OnSize(UINT nType, int cx, int cy)
{
    if (nType == SIZE_MINIMIZED && mTrayEnabled && mMinimizeToTray)
        ShowWindow(SW_HIDE);
    else
        CDialog::OnSize(nType, cx, cy);
}

LRESULT CTaskBarDialog2::OnSystemTray(WPARAM wParam, LPARAM lParam)
{
    mTaskBarIcon.OnCallback(this, wParam, lParam);
    return 0;
}
