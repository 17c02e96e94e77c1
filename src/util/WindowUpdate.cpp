#include "util/WindowUpdate.h"

StWindowUpdate::StWindowUpdate(CWnd* window)
{
    if (!window)
        window = AfxGetMainWnd();
    if (window->GetSafeHwnd() && ::LockWindowUpdate(window->m_hWnd))
        mWindow = window;
}

StWindowUpdate::~StWindowUpdate()
{
    if (mWindow)
        ::LockWindowUpdate(nullptr);
}
