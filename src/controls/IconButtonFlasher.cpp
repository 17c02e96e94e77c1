#include "controls/IconButtonFlasher.h"

namespace {

HICON LoadResourceIcon(unsigned int id)
{
    LPCSTR name = MAKEINTRESOURCEA(id);
    return ::LoadIconA(AfxFindResourceHandle(name, RT_GROUP_ICON), name);
}

} // namespace

CIconButtonFlasher::CIconButtonFlasher()
{
    mTimer.AddListener(this);
}

void CIconButtonFlasher::SetIcons(unsigned int first, unsigned int second)
{
    mFirst = LoadResourceIcon(first);
    mSecond = LoadResourceIcon(second);
    SetCurrent(mFirst);
}

void CIconButtonFlasher::SetButton(CButton* button)
{
    mButton = button;
    if (mFirst)
        SetCurrent(mFirst);
}

void CIconButtonFlasher::Activate(bool on)
{
    if (on) {
        mTimer.Activate(kFlashPeriod);
    } else {
        mTimer.Deactivate();
        SetCurrent(mFirst);
    }
}

void CIconButtonFlasher::SetCurrent(HICON icon)
{
    if (!mButton->GetSafeHwnd())
        return;
    mButton->SetIcon(icon);
    mCurrent = icon;
}

void CIconButtonFlasher::Flash()
{
    SetCurrent(mCurrent == mFirst ? mSecond : mFirst);
}

bool CIconButtonFlasher::ListenToMessage(long code, const void* sender, const void* extra)
{
    if (code != CTimer::kTimerTick)
        return CListener::ListenToMessage(code, sender, extra);
    Flash();
    return true;
}
