#pragma once
#include "panels/Panel.h"
#include "panels/PanelManager.h"

// A panel that holds a stack of expandable panels (an empty template, 10090, filled by its
// window panel manager), for settings windows that are themselves built of panels. It
// never resizes itself: arranging asks its listeners for the size that fits the stack with
// the broadcast kSizeRequest (the container, a CRect* with the wanted client rectangle),
// and what to do with it is the listener's choice.
class AFX_EXT_CLASS CContainerPanel : public CPanel {
    DECLARE_DYNAMIC(CContainerPanel)
public:
    enum { kSizeRequest = 55437734 };

    explicit CContainerPanel(CWnd* parent = nullptr);
    ~CContainerPanel() override;

    void AddPanel(CExpandPanel* expander, CPanel* panel, const char* title);
    void AttachChildPanel(CExpandPanel* expander, CPanel* panel);
    void SetLiveArrange(bool live);
    void Arrange();
    void ArrangeToWidth(int width);
    void RequestSize(CRect& size);

    CWindowPanelManager& GetManager() { return mManager; }

protected:
    BOOL OnInitDialog() override;

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CWindowPanelManager mManager;
};
