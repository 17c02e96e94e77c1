#pragma once
#include "panels/ListenedList.h"
#include "panels/StackPanelInfo.h"

// Shows one page at a time in the same place of a window, where every page is a group of
// panels with a name. A combo box (the page list) lists the names of the pages that have
// an enabled panel, in the order the pages were added, and its selection is the page
// shown; Previous and Next step through the list. A page whose panels are all disabled
// leaves the list and comes back in its place when one is enabled again.
//
// The stack listens to its pages and owns none of them, nor their panels; either may be
// destroyed first.
//
// Decisions of this library:
// - CanPrevious holds only for a selection after the first item: with no selection there
//   is nowhere to go back to. CanNext likewise needs a selection before the last item.
// - A panel that cannot be created in the host is not added to its page.
// - The same page added again (for another panel) stays listed once.
class AFX_EXT_CLASS CPanelStack : public CListener {
public:
    CPanelStack();
    ~CPanelStack() override;
    CPanelStack(const CPanelStack&) = delete;
    CPanelStack& operator=(const CPanelStack&) = delete;

    bool ListenToMessage(long code, const void* sender, const void* extra) override;

    // The window the pages' panels go in, the page list (may be null) and the control
    // that marks where the panels go.
    void SetWindows(CWnd* host, CComboBox* pageList, CStatic* placeholder);
    // Creates the panel in the host in the placeholder's place, adds it to the page, and
    // names the page.
    virtual void AddPanel(CStackPanelInfo* page, CPanel* panel, const char* name);

    // The first page of that name, or null.
    CStackPanelInfo* Find(const char* name);
    // The page list's text at index; empty beyond its items or without a page list.
    CString GetSelectedText(int index);

    // Brings the page list into line with the pages that have an enabled panel, selects
    // the first item when nothing is selected, and shows the selected page.
    void Arrange();
    void First();
    // Shows the panels of the selected page (the first page without a page list) and
    // hides every other page's panels; nothing changes when no listed page is selected.
    void Select();
    bool CanPrevious();
    bool CanNext();
    void Previous();
    void Next();
    // Forgets every page; nothing is destroyed.
    void Reset();

    int GetPageCount() { return mPages.GetCount(); }

private:
    int GetSelection();

    CWnd* mHost = nullptr;
    CComboBox* mPageList = nullptr;
    CStatic* mPlaceholder = nullptr;
    CListenedList<CStackPanelInfo> mPages;
};
