#include "skins/SkinWindowLocation.h"

#include "util/WindowsUtils.h"

namespace {

bool IsPosition(unsigned long number)
{
    const long value = static_cast<long>(number);
    return value >= -CSkinWindowLocation::kMaxExtent && value <= CSkinWindowLocation::kMaxExtent;
}

bool IsExtent(unsigned long number)
{
    const long value = static_cast<long>(number);
    return value >= 0 && value <= CSkinWindowLocation::kMaxExtent;
}

} // namespace

CSkinWindowLocation::CSkinWindowLocation(const char* name, CWnd* window) : CSkinLocation(name)
{
    SetWindow(window);
}

void CSkinWindowLocation::SetWindow(CWnd* window)
{
    mWindow = window;
    GetWindowInfo();
}

void CSkinWindowLocation::GetWindowInfo()
{
    CRect rect;
    if (!mWindow || !mWindow->m_hWnd || !UWindowsUtils::GetInParentRect(mWindow, &rect))
        return;
    SetLeft(static_cast<unsigned long>(rect.left));
    SetTop(static_cast<unsigned long>(rect.top));
    SetWidth(static_cast<unsigned long>(rect.Width()));
    SetHeight(static_cast<unsigned long>(rect.Height()));
}

bool CSkinWindowLocation::Load()
{
    if (!mWindow)
        return false;
    const unsigned long left = GetLeft(), top = GetTop(), width = GetWidth(), height = GetHeight();
    if (!CSkinLocation::Load())
        return false;
    if (!IsPosition(GetLeft()) || !IsPosition(GetTop()) || !IsExtent(GetWidth()) || !IsExtent(GetHeight())) {
        SetLeft(left);
        SetTop(top);
        SetWidth(width);
        SetHeight(height);
        return false;
    }
    if (mWindow->m_hWnd) {
        mWindow->MoveWindow(static_cast<long>(GetLeft()), static_cast<long>(GetTop()), static_cast<long>(GetWidth()),
                            static_cast<long>(GetHeight()), TRUE);
    }
    return true;
}
