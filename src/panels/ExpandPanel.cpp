#include "panels/ExpandPanel.h"

#include "res/resource.h"
#include "util/WindowsUtils.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CExpandPanel, CPanel)

BEGIN_MESSAGE_MAP(CExpandPanel, CPanel)
    ON_BN_CLICKED(IDC_TNW_EXPAND_BUTTON, OnButtonExpand)
    ON_WM_PAINT()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CExpandPanel::CExpandPanel(CWnd* parent) : CPanel(IDD_TNW_EXPAND_PANEL, parent)
{
    // The caption follows the header's right edge (255 of 256), never its height.
    mCaptionLocator.SetLocation(0, 0, 255, 0);
}

CExpandPanel::~CExpandPanel()
{
    if (m_hWnd)
        DestroyWindow();
}

void CExpandPanel::DoDataExchange(CDataExchange* pDX)
{
    CPanel::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TNW_EXPAND_BUTTON, mExpandButton);
    DDX_Control(pDX, IDC_TNW_EXPAND_DETAILS, mPlaceholder);
    DDX_Control(pDX, IDC_TNW_EXPAND_CAPTION, mCaption);
}

BOOL CExpandPanel::OnInitDialog()
{
    CPanel::OnInitDialog();
    mExpandButton.LoadBitmaps(IDB_TNW_EXPAND_UP, IDB_TNW_EXPAND_DOWN, IDB_TNW_EXPAND_FOCUS, IDB_TNW_EXPAND_DISABLED);
    mExpandButton.LoadCheckedBitmap(IDB_TNW_EXPAND_CHECKED);
    mPlaceholder.ShowWindow(SW_HIDE);
    CRect rect;
    UWindowsUtils::GetInParentRect(&mPlaceholder, &rect);
    mHeaderHeight = rect.top;
    mCaption.SetTextColor(kProblemColor);
    UWindowsUtils::GetInParentRect(&mExpandButton, &rect);
    mExpandButton.MoveWindow(mIndentX, rect.top, rect.Width(), rect.Height(), TRUE);
    mCaptionLocator.SetWindow(&mCaption);
    return TRUE;
}

void CExpandPanel::AddChildPanel(CPanel* panel)
{
    CPanelInfo::AddChildPanel(panel);
    if (panel)
        Arrange();
}

void CExpandPanel::Arrange()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    const int width = std::max(0, client.Width() - 2 * mIndentX);
    int y = mHeaderHeight;
    mNativeRect.bottom = mNativeRect.top + mHeaderHeight;
    for (CPanel* panel : GetPanels()) {
        if (!panel->IsEnabled() || !panel->m_hWnd) {
            UWindowsUtils::ShowWindow(panel, false);
            continue;
        }
        const int height = panel->GetNativeRect().Height();
        panel->MoveWindow(mIndentX, y, width, height, TRUE);
        mNativeRect.right = std::max<int>(mNativeRect.right, width + 2 * mIndentX);
        mNativeRect.bottom = std::max<int>(mNativeRect.bottom, y + height + mIndentY);
        y += height + kPanelGap;
        UWindowsUtils::ShowWindow(panel, mExpanded);
    }
    ShowText();
}

CString CExpandPanel::GetText(bool& ok)
{
    ok = true;
    CString text = mText + " ";
    bool first = true;
    for (CPanel* panel : GetPanels()) {
        if (!panel->IsEnabled())
            continue;
        bool panelOk = true;
        const CString detail = panel->GetDetailedText(panelOk);
        if (!panelOk)
            ok = false;
        if (detail.IsEmpty())
            continue;
        if (!first)
            text += ", ";
        text += detail;
        first = false;
    }
    return text;
}

void CExpandPanel::ShowText()
{
    if (!mCaption.m_hWnd)
        return;
    bool ok = true;
    const CString text = mExpanded ? mText : GetText(ok);
    mCaption.SetTextColor(ok ? kTextColor : kProblemColor);
    UWindowsUtils::SetWindowTextA(&mCaption, text);
}

void CExpandPanel::Expand()
{
    Broadcast(kOpenMe, this, nullptr);
}

void CExpandPanel::Collaps()
{
    Broadcast(kCloseMe, this, nullptr);
}

void CExpandPanel::ExpandSelf()
{
    mExpanded = true;
    mExpandButton.SetCheck(1);
    Arrange();
    ShowText();
}

void CExpandPanel::CollapsSelf()
{
    mExpanded = false;
    mExpandButton.SetCheck(0);
    Show(false);
    ShowText();
}

CRect CExpandPanel::GetExpanderRect(bool expanded)
{
    CRect rect = mNativeRect;
    if (!expanded)
        rect.bottom = rect.top + mHeaderHeight;
    return rect;
}

bool CExpandPanel::ListenToMessage(long code, const void* sender, const void* extra)
{
    switch (code) {
    case kOpenMe:
        Expand();
        return true;
    case kEnabledChanged:
        Arrange();
        Broadcast(kEnabledChanged, nullptr, nullptr);
        return true;
    case kSummaryChanged:
        if (!mExpanded)
            Broadcast(kSummaryChanged, nullptr, nullptr);
        return true;
    default:
        return CPanelInfo::ListenToMessage(code, sender, extra);
    }
}

void CExpandPanel::OnButtonExpand()
{
    if (mExpanded)
        Collaps();
    else
        Expand();
    // The box toggled itself when clicked; it shows what the manager made of the request.
    if (m_hWnd)
        mExpandButton.SetCheck(mExpanded ? 1 : 0);
}

void CExpandPanel::OnSize(UINT nType, int cx, int cy)
{
    CPanel::OnSize(nType, cx, cy);
    if (!mCaption.m_hWnd)
        return;
    mCaptionLocator.Move(this);
    Arrange();
}

void CExpandPanel::OnPaint()
{
    CPaintDC dc(this);
    if (!mExpanded)
        return;
    CRect client;
    GetClientRect(&client);
    bool first = true;
    for (CPanel* panel : GetPanels()) {
        CRect rect;
        if (!panel->IsEnabled() || !UWindowsUtils::GetInParentRect(panel, &rect))
            continue;
        if (!first) {
            // Only the top edge of this rectangle lies inside the window.
            const CRect line(-1, rect.top - 2, client.right + 1, client.bottom + 1);
            dc.DrawFocusRect(&line);
        }
        first = false;
    }
}
