#pragma once
#include "panels/PanelStack.h"

// A modal dialog ("Edit", template 11032, with OK and Cancel) that shows the first page of
// a panel stack, without a page list. A subclass adds its pages to mStack in SetupPanels;
// the panels go where the placeholder (11106) is.
class AFX_EXT_CLASS CObjectEditDialog : public CDialog {
    DECLARE_DYNAMIC(CObjectEditDialog)
public:
    explicit CObjectEditDialog(CWnd* parent = nullptr);
    ~CObjectEditDialog() override;

protected:
    virtual void SetupPanels() = 0;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    CPanelStack mStack;
    CStatic mPlaceholder;
};
