#pragma once
#include "panels/Panel.h"
#include "panels/PanelStack.h"

// A window that shows a panel stack with its page list and Previous and Next buttons, over
// a window class (the settings panel over CPanel, the export dialog over CDialog). Its
// template has the page list (11103), "<< Previous" (11104), "Next >>" (11105) and the
// placeholder where the pages go (11106).
//
// A subclass adds its pages in SetupPanels and decides through the hooks whether each
// step is allowed: MayPrevious (asked once: false hides Previous for good), CanPrevious and
// CanNext (asked after every page change: false disables the button), OnPrevious and
// OnNext (asked when the button is pressed: false refuses the step).
//
// Free flow (on at first) lets the user pick any page from the page list; without it the
// list is disabled and only Previous and Next move. Set it before the window is made.
//
// Decisions of this library:
// - Previous and Next are shown when there is more than one listed page, checked once the
//   pages are first arranged; a page enabled or disabled later changes the page list, and
//   the buttons follow at the next page change.
template <class TBase>
class CStackHost : public TBase {
public:
    CStackHost(UINT id, CWnd* parent);
    ~CStackHost() override;

    void SetFreeFlow(bool freeFlow);
    bool GetFreeFlow() const;
    CPanelStack& GetStack();

protected:
    // Each does nothing or allows the step.
    virtual void SetupPanels();
    virtual bool MayPrevious();
    virtual bool CanPrevious();
    virtual bool CanNext();
    virtual bool OnPrevious();
    virtual bool OnNext();
    // Enables Previous and Next as the stack and the hooks allow.
    virtual void UpdateButtons();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnPageChange();
    afx_msg void OnPreviousPage();
    afx_msg void OnNextPage();
    DECLARE_MESSAGE_MAP()

    bool mFreeFlow = true;
    CPanelStack mStack;
    CButton mPrevious;
    CButton mNext;
    CComboBox mPageList;
    CStatic mPlaceholder;
};

// Built once in the library for both window classes (nothing of it is inline), so that
// applications may derive from the classes over them.
extern template class AFX_EXT_CLASS CStackHost<CPanel>;
extern template class AFX_EXT_CLASS CStackHost<CDialog>;
