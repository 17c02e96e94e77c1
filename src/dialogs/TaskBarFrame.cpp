#include "dialogs/TaskBarFrame.h"

IMPLEMENT_DYNCREATE(CTaskBarFrame, CPlainFrame)

BEGIN_MESSAGE_MAP(CTaskBarFrame, CPlainFrame)
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_MESSAGE(CTaskBarIcon::kCallbackMessage, OnSystemTray)
END_MESSAGE_MAP()

CTaskBarFrame::CTaskBarFrame() : mTrayEnabled(false), mMinimizeToTray(false)
{
    mTaskBarIcon.GetRotator().AddListener(this);
}

CTaskBarFrame::~CTaskBarFrame() = default;

void CTaskBarFrame::SetTrayIcon()
{
    mTaskBarIcon.Set(this);
}

void CTaskBarFrame::ResetTrayIcon()
{
    mTaskBarIcon.Reset();
}

bool CTaskBarFrame::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code != CIconRotator::kIconChanged)
        return CListener::ListenToMessage(code, sender, extra);
    SetTrayIcon();
    return true;
}

void CTaskBarFrame::HandleTaskBarMenuCommand(int) {}

BOOL CTaskBarFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (mTaskBarIcon.IsMenuCommand(wParam, lParam))
        HandleTaskBarMenuCommand(LOWORD(wParam));
    return CPlainFrame::OnCommand(wParam, lParam);
}

void CTaskBarFrame::OnClose()
{
    ResetTrayIcon();
    CPlainFrame::OnClose();
}

void CTaskBarFrame::OnSize(UINT nType, int cx, int cy)
{
    if (nType == SIZE_MINIMIZED && mTrayEnabled && mMinimizeToTray)
        ShowWindow(SW_HIDE);
    else
        CPlainFrame::OnSize(nType, cx, cy);
}

LRESULT CTaskBarFrame::OnSystemTray(WPARAM wParam, LPARAM lParam)
{
    mTaskBarIcon.OnCallback(this, wParam, lParam);
    return 0;
}
