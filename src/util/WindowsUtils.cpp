#include "util/WindowsUtils.h"

#include "DirectoryUtils.h"
#include "IniProfile.h"
#include "Registry.h"

#include <cstdlib>
#include <cstring>

namespace {

// The application's window position record in "window.ini".
class CWindowRecord {
public:
    CWindowRecord()
        : mIni((UDirectoryUtils::GetUserAppDataDirectory() + "window.ini").c_str()),
          mLeft("Window", "Left", &mIni), mTop("Window", "Top", &mIni),
          mWidth("Window", "Width", &mIni), mHeight("Window", "Height", &mIni)
    {
    }

    int Left() const { return Read(mLeft); }
    int Top() const { return Read(mTop); }
    int Width() const { return Read(mWidth); }
    int Height() const { return Read(mHeight); }

    void Store(const CRect& rect)
    {
        Write(mLeft, rect.left);
        Write(mTop, rect.top);
        Write(mWidth, rect.Width());
        Write(mHeight, rect.Height());
    }

private:
    // Positions left of or above the main screen are negative; they are kept as the
    // 32-bit pattern of the number.
    static int Read(const CRegistry& value) { return static_cast<int>(value.GetValue(0)); }
    static void Write(CRegistry& value, int number) { value.SetValue(static_cast<unsigned long>(number)); }

    CIniProfile mIni;
    CRegistry mLeft;
    CRegistry mTop;
    CRegistry mWidth;
    CRegistry mHeight;
};

CRect ScreenRect(CWnd* window)
{
    CRect rect;
    window->GetWindowRect(&rect);
    return rect;
}

// Screen coordinates to those a window is moved in: its parent's client coordinates for a
// child, the screen's for any other window.
void ScreenToParent(CWnd* window, CRect& rect)
{
    if (window->GetStyle() & WS_CHILD)
        ::MapWindowPoints(nullptr, ::GetParent(window->m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
}

} // namespace

bool UWindowsUtils::GetInParentRect(CWnd* window, CRect* rect)
{
    if (!window->GetSafeHwnd() || !rect)
        return false;
    *rect = ScreenRect(window);
    ScreenToParent(window, *rect);
    return true;
}

void UWindowsUtils::MoveToScreenRect(CWnd* window, const CRect& screenRect)
{
    CRect rect = screenRect;
    ScreenToParent(window, rect);
    window->MoveWindow(&rect);
}

bool UWindowsUtils::AlignWindow(CWnd* reference, CWnd* window, EAlignWindow align)
{
    if (!reference->GetSafeHwnd() || !window->GetSafeHwnd())
        return false;
    const CRect target = ScreenRect(reference);
    CRect rect = ScreenRect(window);
    switch (align) {
    case kAlignLeft: rect.OffsetRect(target.left - rect.left, 0); break;
    case kAlignRight: rect.OffsetRect(target.right - rect.right, 0); break;
    case kAlignTop: rect.OffsetRect(0, target.top - rect.top); break;
    case kAlignBottom: rect.OffsetRect(0, target.bottom - rect.bottom); break;
    default: return false;
    }
    MoveToScreenRect(window, rect);
    return true;
}

void UWindowsUtils::Overlap(CWnd* window, CWnd* other, bool centered)
{
    if (!window->GetSafeHwnd() || !other->GetSafeHwnd())
        return;
    CRect rect = ScreenRect(other);
    if (centered) {
        const CRect own = ScreenRect(window);
        if (rect.Width() > own.Width()) {
            rect.left += (rect.Width() - own.Width()) / 2;
            rect.right = rect.left + own.Width();
        }
        if (rect.Height() > own.Height()) {
            rect.top += (rect.Height() - own.Height()) / 2;
            rect.bottom = rect.top + own.Height();
        }
    }
    MoveToScreenRect(window, rect);
}

void UWindowsUtils::ReplaceWindow(CWnd* window, CWnd* other)
{
    Replace(window, other, false);
}

void UWindowsUtils::ReplaceWindowCentered(CWnd* window, CWnd* other)
{
    Replace(window, other, true);
}

void UWindowsUtils::Replace(CWnd* window, CWnd* other, bool centered)
{
    if (!window->GetSafeHwnd() || !other->GetSafeHwnd())
        return;
    Overlap(window, other, centered);
    window->ShowWindow(SW_SHOW);
    other->ShowWindow(SW_HIDE);
}

void UWindowsUtils::MoveVertical(CWnd* window, int dy)
{
    CRect rect;
    if (!GetInParentRect(window, &rect))
        return;
    rect.OffsetRect(0, dy);
    window->MoveWindow(&rect);
}

void UWindowsUtils::Refresh(CWnd* window)
{
    if (window->GetSafeHwnd())
        window->Invalidate(TRUE);
}

void UWindowsUtils::ShowWindow(CWnd* window, bool show)
{
    if (window->GetSafeHwnd())
        window->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void UWindowsUtils::EnableWindow(CWnd* window, bool enable)
{
    if (window->GetSafeHwnd())
        window->EnableWindow(enable);
}

void UWindowsUtils::SetCheck(CButton* button, bool check)
{
    if (button->GetSafeHwnd())
        button->SendMessage(BM_SETCHECK, check ? 1 : 0);
}

bool UWindowsUtils::GetCheck(CButton* button)
{
    return button->GetSafeHwnd() && button->SendMessage(BM_GETCHECK) != 0;
}

CString UWindowsUtils::GetWindowTextA(CWnd* window)
{
    CString text;
    if (window->GetSafeHwnd())
        window->GetWindowText(text);
    return text;
}

int UWindowsUtils::GetWindowNumber(CWnd* window)
{
    // strtol, unlike atoi, saturates instead of overflowing; a long is an int here.
    return static_cast<int>(std::strtol(GetWindowTextA(window), nullptr, 10));
}

void UWindowsUtils::SetWindowTextA(CWnd* window, const char* text)
{
    if (!window->GetSafeHwnd())
        return;
    if (!text)
        text = "";
    if (std::strcmp(GetWindowTextA(window), text) != 0)
        window->SetWindowText(text);
}

void UWindowsUtils::SetWindowTextA(CWnd* window, int number)
{
    CString text;
    text.Format("%d", number);
    SetWindowTextA(window, text);
}

bool UWindowsUtils::HasNormalPlacement(CWnd* window)
{
    WINDOWPLACEMENT placement = {};
    return window->GetSafeHwnd() && window->GetWindowPlacement(&placement)
           && (placement.showCmd == SW_SHOWNORMAL || placement.showCmd == SW_RESTORE);
}

void UWindowsUtils::StoreLocation(CWnd* window)
{
    if (HasNormalPlacement(window))
        CWindowRecord().Store(ScreenRect(window));
}

void UWindowsUtils::PlaceWindow(CWnd* window, bool withSize)
{
    if (!HasNormalPlacement(window))
        return;
    const CWindowRecord record;
    const int left = record.Left();
    const int top = record.Top();
    if (left == 0 && top == 0)
        return;
    CRect rect = ScreenRect(window);
    if (withSize) {
        const int width = record.Width();
        const int height = record.Height();
        if (width == 0 && height == 0)
            return;
        rect.SetRect(left, top, left + width, top + height);
    } else {
        rect.OffsetRect(left - rect.left, top - rect.top);
    }
    MoveToScreenRect(window, rect);
}
