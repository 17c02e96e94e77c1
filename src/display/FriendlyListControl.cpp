#include "FriendlyListControl.h"

#include "util/DrawingUtils.h"

BEGIN_MESSAGE_MAP(CFriendlyListControl, CListCtrl)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CFriendlyListControl::CFriendlyListControl() = default;
CFriendlyListControl::~CFriendlyListControl() = default;

void CFriendlyListControl::CreatePrompt()
{
    if (mPrompt.m_hWnd || !m_hWnd)
        return;
    if (!mPrompt.Create("", WS_CHILD, CRect(0, 0, 100, 100), this, kPromptId))
        return;
    mPromptRect.SetRect(0, 0, 100, 100);
    mPrompt.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(UDrawingUtils::GetFont()->GetSafeHandle()), TRUE);
    mPrompt.SetBkColor(RGB(255, 255, 255));
}

void CFriendlyListControl::ShowPrompt(const char* text)
{
    CreatePrompt();
    MovePrompt();
    if (!mPrompt.m_hWnd)
        return;
    const bool show = text && *text;
    if (show) {
        CString current;
        mPrompt.GetWindowText(current);
        if (current != text)
            mPrompt.SetWindowText(text);
    }
    // Rows come and go one by one while a list is built: an unchanged prompt is left alone.
    if ((mPrompt.IsWindowVisible() != FALSE) != show)
        mPrompt.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CFriendlyListControl::MovePrompt()
{
    if (!mPrompt.m_hWnd)
        return;
    CRect area;
    GetClientRect(&area);
    area.DeflateRect(kPromptMargin, kPromptMargin);
    if (area == mPromptRect)
        return;
    mPromptRect = area;
    mPrompt.MoveWindow(&area);
}

int CFriendlyListControl::OnCreate(LPCREATESTRUCT createStruct)
{
    const int result = CListCtrl::OnCreate(createStruct);
    CreatePrompt();
    MovePrompt();
    return result;
}

void CFriendlyListControl::OnSize(UINT type, int cx, int cy)
{
    CListCtrl::OnSize(type, cx, cy);
    CreatePrompt();
    MovePrompt();
}

void CFriendlyListControl::OnDestroy()
{
    mPrompt.DestroyWindow();
    CListCtrl::OnDestroy();
}
