#include "app/ProgressControls.h"

#include "res/resource.h"
#include "util/WindowsUtils.h"

#include <cmath>

namespace {

// Clocks count whole seconds: the fraction of a running second is dropped, not rounded.
double WholeSeconds(double seconds)
{
    return std::isfinite(seconds) ? std::trunc(seconds) : 0.0;
}

} // namespace

void CProgressControls::Exchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TNW_PROGRESS_DETAIL_LEFT, mDetailTimeLeft);
    DDX_Control(pDX, IDC_TNW_PROGRESS_LEFT, mTimeLeft);
    DDX_Control(pDX, IDC_TNW_PROGRESS_DETAIL_ELAPSED, mDetailElapsed);
    DDX_Control(pDX, IDC_TNW_PROGRESS_ELAPSED, mElapsed);
    DDX_Control(pDX, IDC_TNW_PROGRESS_DETAIL_BAR, mDetailBar);
    DDX_Control(pDX, IDC_TNW_PROGRESS_DETAIL, mDetailText);
    DDX_Control(pDX, IDC_TNW_PROGRESS_BAR, mBar);
    DDX_Control(pDX, IDC_TNW_PROGRESS_TEXT, mText);
}

void CProgressControls::Initialize()
{
    UWindowsUtils::SetWindowTextA(&mText, "");
    UWindowsUtils::SetWindowTextA(&mElapsed, "");
    UWindowsUtils::SetWindowTextA(&mTimeLeft, "");
    mBar.SetRange(0, 100);
    UWindowsUtils::SetWindowTextA(&mDetailText, "");
    UWindowsUtils::SetWindowTextA(&mDetailElapsed, "");
    UWindowsUtils::SetWindowTextA(&mDetailTimeLeft, "");
    mDetailText.ShowWindow(SW_HIDE);
    mDetailBar.SetRange(0, 100);
    mDetailBar.ShowWindow(SW_HIDE);
}

int CProgressControls::ToPercent(double progress)
{
    if (!(progress > 0.0))
        return 0;
    if (progress >= 1.0)
        return 100;
    return static_cast<int>(progress * 100.0 + 0.5);
}

CString CProgressControls::TimeLeft(double progress, double estimate)
{
    if (!(progress >= kEstimateFrom))
        return CString();
    return CString("Estimated time left: ") + UTimecodeUtils::FullFormat(WholeSeconds(estimate));
}

void CProgressControls::Update(CWindowsProgressAction* action)
{
    if (!action || !mText.m_hWnd)
        return;
    UWindowsUtils::SetWindowTextA(&mText, action->GetText());
    UWindowsUtils::SetWindowTextA(&mElapsed, UTimecodeUtils::FormatTime(WholeSeconds(action->GetPassedTime())));
    const double estimate = action->GetEstimateTime();
    const double progress = action->GetProgress();
    UWindowsUtils::SetWindowTextA(&mTimeLeft, TimeLeft(progress, estimate));
    mBar.SetPos(ToPercent(progress));

    double detailProgress = 0.0;
    const char* detail = action->GetDetail(detailProgress);
    if (!detail) {
        ClearDetail();
        return;
    }
    UWindowsUtils::SetWindowTextA(&mDetailText, detail);
    mDetailText.ShowWindow(SW_SHOW);
    UWindowsUtils::SetWindowTextA(&mDetailElapsed,
                                  UTimecodeUtils::FormatTime(WholeSeconds(action->GetDetailPassedTime())));
    UWindowsUtils::SetWindowTextA(&mDetailTimeLeft, TimeLeft(detailProgress, action->GetDetailEstimateTime()));
    mDetailBar.SetPos(ToPercent(detailProgress));
    mDetailBar.ShowWindow(SW_SHOW);
}

void CProgressControls::ClearDetail()
{
    mDetailText.ShowWindow(SW_HIDE);
    UWindowsUtils::SetWindowTextA(&mDetailText, "");
    UWindowsUtils::SetWindowTextA(&mDetailElapsed, "");
    UWindowsUtils::SetWindowTextA(&mDetailTimeLeft, "");
    mDetailBar.SetPos(0);
    mDetailBar.ShowWindow(SW_HIDE);
}
