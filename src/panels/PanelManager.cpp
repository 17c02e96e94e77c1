#include "panels/PanelManager.h"

#include "panels/ContainerPanel.h"
#include "panels/ExpandPanel.h"
#include "util/DrawingUtils.h"
#include "util/WindowUpdate.h"
#include "util/WindowsUtils.h"

#include <algorithm>

namespace {

const COLORREF kSeparatorShadow = RGB(127, 157, 185);
const COLORREF kSeparatorLight = RGB(255, 255, 255);

bool HasWindow(CWnd* window)
{
    return window && window->m_hWnd;
}

} // namespace

CPanelManager::CPanelManager() : mExpanders(*this) {}

CPanelManager::~CPanelManager()
{
    Reset();
}

void CPanelManager::SetParent(CWnd* host)
{
    mParent = host;
}

void CPanelManager::Arrange() {}

void CPanelManager::ArrangeToWidth(int) {}

void CPanelManager::AddPanel(CExpandPanel* expander, CPanel* panel, const char* title)
{
    if (!HasWindow(mParent) || !expander || !panel)
        return;
    if (!expander->m_hWnd && !expander->CreateInWindow(mParent, true))
        return;
    AttachChildPanel(expander, panel);
    if (!expander->Contains(panel)) {
        expander->DestroyWindow();
        return;
    }
    expander->CollapsSelf();
    mExpanders.Add(expander);
    expander->ShowWindow(SW_SHOW);
    if (title) {
        expander->CPanelInfo::GetText() = title;
        expander->ShowText();
    }
}

void CPanelManager::AttachChildPanel(CExpandPanel* expander, CPanel* panel)
{
    if (!expander || !panel || !panel->CreateInWindow(expander, true))
        return;
    expander->AddChildPanel(panel);
}

void CPanelManager::SetLiveArrange(bool live)
{
    if (live == mLiveArrange)
        return;
    mLiveArrange = live;
    if (live)
        Arrange();
}

void CPanelManager::UpdateText()
{
    for (CExpandPanel* expander : mExpanders.Items())
        expander->ShowText();
}

void CPanelManager::Paint(CDC* dc)
{
    if (!dc || !HasWindow(mParent))
        return;
    CRect client;
    mParent->GetClientRect(&client);
    for (CExpandPanel* expander : mExpanders.Items()) {
        CRect rect;
        if (!expander->PanelsEnabled() || !UWindowsUtils::GetInParentRect(expander, &rect))
            continue;
        const CRect band(0, rect.top - kGap, client.Width(), rect.top);
        dc->Draw3dRect(&band, kSeparatorShadow, kSeparatorLight);
    }
}

void CPanelManager::Reset()
{
    mExpanders.RemoveAll();
}

int CPanelManager::PlaceExpanders(int width)
{
    int y = mTopLine;
    bool placed = false;
    for (CExpandPanel* expander : mExpanders.Items()) {
        if (!expander->m_hWnd)
            continue;
        if (!expander->PanelsEnabled()) {
            expander->ShowWindow(SW_HIDE);
            continue;
        }
        expander->Arrange();
        const int height = expander->GetExpanderRect(expander->IsExpanded()).Height();
        expander->MoveWindow(0, y, width, height, TRUE);
        y += height + kGap;
        placed = true;
        expander->ShowWindow(SW_SHOW);
    }
    return std::max(0, placed ? y - kGap : mTopLine);
}

bool CPanelManager::ListenToMessage(long code, const void* sender, const void* extra)
{
    switch (code) {
    case CPanel::kEnabledChanged:
        if (mLiveArrange)
            Arrange();
        return true;
    case CPanel::kOpenMe:
    case CPanel::kCloseMe: {
        CExpandPanel* requester = mExpanders.Find(sender);
        if (!requester)
            break;
        StWindowUpdate lock(mParent);
        if (code == CPanel::kOpenMe) {
            requester->ExpandSelf();
            for (CExpandPanel* other : mExpanders.Items()) {
                if (other != requester)
                    other->CollapsSelf();
            }
        } else {
            requester->CollapsSelf();
        }
        Arrange();
        return true;
    }
    case CPanel::kSummaryChanged:
        UpdateText();
        return true;
    default:
        break;
    }
    return CListener::ListenToMessage(code, sender, extra);
}

void CDialogPanelManager::SetParent(CWnd* host)
{
    CPanelManager::SetParent(host);
    if (!HasWindow(host))
        return;
    CRect client;
    host->GetClientRect(&client);
    mTopLine = client.Height();
}

void CDialogPanelManager::Arrange()
{
    if (!HasWindow(mParent))
        return;
    UDrawingUtils::Refresh(mParent);
    StWindowUpdate lock(mParent);
    CRect client;
    mParent->GetClientRect(&client);
    const int height = PlaceExpanders(client.Width());
    if (mParent->GetStyle() & WS_CHILD)
        return;
    CRect frame;
    mParent->GetWindowRect(&frame);
    mParent->SetWindowPos(nullptr, 0, 0, frame.Width(), frame.Height() + height - client.Height(),
                          SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWindowPanelManager::Arrange()
{
    ArrangeToWidth(0);
}

void CWindowPanelManager::ArrangeToWidth(int width)
{
    if (!HasWindow(mParent))
        return;
    UDrawingUtils::Refresh(mParent);
    StWindowUpdate lock(mParent);
    if (width == 0) {
        CWnd* outer = (mParent->GetStyle() & WS_CHILD) ? mParent->GetParent() : nullptr;
        CRect client;
        (HasWindow(outer) ? outer : mParent)->GetClientRect(&client);
        width = client.Width();
    }
    const int height = PlaceExpanders(width);
    CRect size;
    mParent->GetClientRect(&size);
    size.right = size.left + width;
    size.bottom = size.top + height;
    if (mParent->IsKindOf(RUNTIME_CLASS(CContainerPanel)))
        static_cast<CContainerPanel*>(mParent)->RequestSize(size);
}
