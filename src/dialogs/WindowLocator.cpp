#include "dialogs/WindowLocator.h"

#include "util/WindowsUtils.h"

namespace {

// An edge's share of the growth, each product shifted on its own as the arithmetic has
// always been done: W0 101, W 300 and a factor of 100 give 117 - 39 = 78.
int Grown(int present, int reference, unsigned short factor)
{
    return static_cast<int>((static_cast<long long>(present) * factor >> 8)
                            - (static_cast<long long>(reference) * factor >> 8));
}

bool IsEmptyReference(const CRect& reference)
{
    return reference.Width() == 0 && reference.Height() == 0;
}

} // namespace

CWindowLocator::CWindowLocator() = default;
CWindowLocator::~CWindowLocator() = default;

void CWindowLocator::SetWindow(CWnd* window)
{
    mWindow = window;
    if (!window) {
        mReference.SetRectEmpty();
        mWindowRect.SetRectEmpty();
        return;
    }
    UWindowsUtils::GetInParentRect(window, &mWindowRect);
    CWnd* parent = window->GetSafeHwnd() ? window->GetParent() : nullptr;
    if (IsEmptyReference(mReference) && parent)
        parent->GetClientRect(&mReference);
}

void CWindowLocator::SetLocation(unsigned short left, unsigned short top, unsigned short right, unsigned short bottom)
{
    mLeft = left;
    mTop = top;
    mRight = right;
    mBottom = bottom;
}

void CWindowLocator::Move(CWnd* parent)
{
    if (!mWindow || !mWindow->m_hWnd) {
        if (parent && parent->m_hWnd && IsEmptyReference(mReference))
            parent->GetClientRect(&mReference);
        return;
    }
    if (!parent || !parent->m_hWnd)
        parent = mWindow->GetParent();
    if (!parent)
        return;
    CRect client;
    parent->GetClientRect(&client);
    const int width = client.Width();
    const int height = client.Height();
    const int width0 = mReference.Width();
    const int height0 = mReference.Height();
    CRect moved(mWindowRect.left + Grown(width, width0, mLeft), mWindowRect.top + Grown(height, height0, mTop),
                mWindowRect.right + Grown(width, width0, mRight),
                mWindowRect.bottom + Grown(height, height0, mBottom));
    MoveWindow(moved);
}

void CWindowLocator::MoveWindow(CRect& rect)
{
    if (mWindow && mWindow->m_hWnd)
        mWindow->MoveWindow(&rect, TRUE);
}
