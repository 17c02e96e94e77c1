#include "core/DispatcherHolder.h"

void CDispatcherHolder::AddUse()
{
    if (mUseCount == 0) {
        auto* window = static_cast<CFrameWnd*>(mWindowClass->CreateObject());
        const RECT rect = { 0, 0, 20, 20 };
        // A frame that fails to be created has already freed itself.
        mWindow = window->Create(nullptr, mTitle, WS_POPUP | WS_BORDER | WS_SYSMENU, rect)
                      ? window
                      : nullptr;
    }
    ++mUseCount;
}

void CDispatcherHolder::ReleaseUse()
{
    if (--mUseCount == 0) {
        CFrameWnd* window = mWindow;
        mWindow = nullptr;
        if (window)
            window->SendMessage(kCloseMessage);
    }
}
