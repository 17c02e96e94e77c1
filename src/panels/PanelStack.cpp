#include "panels/PanelStack.h"

#include "util/WindowsUtils.h"

namespace {

bool HasWindow(CWnd* window)
{
    return window && window->m_hWnd;
}

} // namespace

CPanelStack::CPanelStack() : mPages(*this) {}

CPanelStack::~CPanelStack()
{
    Reset();
}

void CPanelStack::SetWindows(CWnd* host, CComboBox* pageList, CStatic* placeholder)
{
    mHost = host;
    mPageList = pageList;
    mPlaceholder = placeholder;
}

void CPanelStack::AddPanel(CStackPanelInfo* page, CPanel* panel, const char* name)
{
    if (!page || !panel || !panel->CreateInWindow(mHost, false))
        return;
    if (HasWindow(mPlaceholder))
        UWindowsUtils::ReplaceWindowCentered(panel, mPlaceholder);
    page->AddChildPanel(panel);
    page->GetText() = name ? name : "";
    mPages.Add(page);
}

CStackPanelInfo* CPanelStack::Find(const char* name)
{
    if (!name)
        return nullptr;
    for (CStackPanelInfo* page : mPages.Items()) {
        if (page->GetText() == name)
            return page;
    }
    return nullptr;
}

CString CPanelStack::GetSelectedText(int index)
{
    CString text;
    if (HasWindow(mPageList) && index >= 0 && index < mPageList->GetCount())
        mPageList->GetLBText(index, text);
    return text;
}

void CPanelStack::Arrange()
{
    if (HasWindow(mPageList)) {
        int position = 0;
        CString current = GetSelectedText(position);
        for (CStackPanelInfo* page : mPages.Items()) {
            const CString& name = page->GetText();
            if (name.IsEmpty())
                continue;
            if (page->PanelsEnabled()) {
                if (current.IsEmpty()) {
                    mPageList->AddString(name);
                } else if (current == name) {
                    current = GetSelectedText(++position);
                } else {
                    mPageList->InsertString(position, name);
                    ++position;
                }
            } else if (current == name) {
                mPageList->DeleteString(static_cast<UINT>(position));
                current = GetSelectedText(position);
            }
        }
    }
    First();
    Select();
}

void CPanelStack::First()
{
    if (HasWindow(mPageList) && mPageList->GetCurSel() == CB_ERR)
        mPageList->SetCurSel(0);
}

void CPanelStack::Select()
{
    CStackPanelInfo* shown = nullptr;
    if (HasWindow(mPageList)) {
        const int selection = mPageList->GetCurSel();
        if (selection == CB_ERR)
            return;
        shown = Find(GetSelectedText(selection));
        if (!shown)
            return;
    } else {
        shown = mPages.GetAt(0);
    }
    for (CStackPanelInfo* page : mPages.Items()) {
        if (page != shown)
            page->Show(false);
    }
    if (shown)
        shown->Show(true);
}

int CPanelStack::GetSelection()
{
    return HasWindow(mPageList) ? mPageList->GetCurSel() : CB_ERR;
}

bool CPanelStack::CanPrevious()
{
    return GetSelection() > 0;
}

bool CPanelStack::CanNext()
{
    const int selection = GetSelection();
    return selection >= 0 && selection < mPageList->GetCount() - 1;
}

void CPanelStack::Previous()
{
    if (!CanPrevious())
        return;
    mPageList->SetCurSel(GetSelection() - 1);
    Select();
}

void CPanelStack::Next()
{
    if (!CanNext())
        return;
    mPageList->SetCurSel(GetSelection() + 1);
    Select();
}

void CPanelStack::Reset()
{
    mPages.RemoveAll();
}

bool CPanelStack::ListenToMessage(long code, const void* sender, const void* extra)
{
    // Only the stack's pages are listened to.
    if (code == CPanel::kEnabledChanged)
        Arrange();
    return CListener::ListenToMessage(code, sender, extra);
}
