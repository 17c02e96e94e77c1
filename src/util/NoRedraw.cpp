#include "util/NoRedraw.h"

StNoRedraw::StNoRedraw(CWnd& window) : mWindow(window), mStopped(false)
{
    if (mWindow.GetSafeHwnd() && (mWindow.GetStyle() & WS_VISIBLE)) {
        mWindow.SetRedraw(FALSE);
        mStopped = true;
    }
}

StNoRedraw::~StNoRedraw()
{
    if (!mStopped || !mWindow.GetSafeHwnd())
        return;
    mWindow.SetRedraw(TRUE);
    mWindow.Invalidate();
}
