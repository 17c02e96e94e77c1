#pragma once
#include "panels/ListenedList.h"
#include "panels/Panel.h"

#include <vector>

// A group of panels under one caption: the panels of one expandable panel or of one page
// of a panel stack. The group listens to its panels and owns none of them; a panel that is
// destroyed leaves the group by itself, and a group destroyed first leaves its panels.
class AFX_EXT_CLASS CPanelInfo : public CListener {
public:
    CPanelInfo();
    ~CPanelInfo() override;
    CPanelInfo(const CPanelInfo&) = delete;
    CPanelInfo& operator=(const CPanelInfo&) = delete;

    // Adds the panel (ignored for null or a panel already in the group) and listens to it.
    virtual void AddChildPanel(CPanel* panel);
    // Whether at least one panel of the group is enabled; false for an empty group.
    virtual bool PanelsEnabled();

    bool Contains(CPanel* panel);
    // Shows or hides every panel of the group.
    void Show(bool show);
    // The caption of the group.
    CString& GetText() { return mText; }

    int GetPanelCount() { return mPanels.GetCount(); }
    CPanel* GetPanel(int index) { return mPanels.GetAt(index); }
    // The panels in order, a copy to walk.
    std::vector<CPanel*> GetPanels() { return mPanels.Items(); }

protected:
    CString mText;
    CListenedList<CPanel> mPanels;
};
