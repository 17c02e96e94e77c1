#pragma once
#include "panels/Panel.h"
#include "panels/StackHost.h"

// A panel stack on a panel (template 11033), for a larger settings window: the pages, the
// page list and Previous and Next, with the hooks of CStackHost.
class AFX_EXT_CLASS CStackSettingsPanel : public CStackHost<CPanel> {
public:
    explicit CStackSettingsPanel(CWnd* parent = nullptr);
    ~CStackSettingsPanel() override;
};
