#pragma once
#include "panels/ListenedList.h"

#include <vector>

class CExpandPanel;
class CPanel;

// Stacks the expandable panels of one host window from top to bottom, like an accordion:
// only one is open at a time, the others shrink to their header with a summary of their
// settings, an expandable panel without an enabled panel is hidden and takes no room, and a
// thin separator is drawn above each visible one (Paint, from the host's paint handler).
// The subclasses place the stack in a dialog below its own controls, or in a container
// panel, and fit the host to it.
//
// The manager listens to its expandable panels and owns none of them; either may be
// destroyed first. It reacts only to the expandable panels in its own list: a request to
// open or close anything else is not its business.
//
// Live arrange (on at first) lets every change of the enabled panels arrange the stack at
// once; while it is off, open and close requests still arrange. Switching it on arranges.
//
// Decisions of this library:
// - The stack's height is the bottom of its last visible expandable panel, or the top line
//   when none is visible (never the top line less the gap, nor less than 0).
// - AddPanel adds nothing when the expandable panel or its panel cannot be created in the
//   host.
class AFX_EXT_CLASS CPanelManager : public CListener {
public:
    enum { kGap = 2 };

    CPanelManager();
    ~CPanelManager() override;
    CPanelManager(const CPanelManager&) = delete;
    CPanelManager& operator=(const CPanelManager&) = delete;

    bool ListenToMessage(long code, const void* sender, const void* extra) override;

    virtual void SetParent(CWnd* host);
    virtual void Arrange();
    virtual void ArrangeToWidth(int width);

    CWnd* GetParent() const { return mParent; }
    void SetTopLine(int y) { mTopLine = y; }
    int GetTopLine() const { return mTopLine; }

    // Creates the expandable panel in the host and the panel inside it, closed, and adds it
    // to the stack under title (when given). Only with a host and both panels. Does not
    // arrange.
    void AddPanel(CExpandPanel* expander, CPanel* panel, const char* title);
    // Creates one more panel inside an expandable panel and adds it to its group.
    void AttachChildPanel(CExpandPanel* expander, CPanel* panel);

    void SetLiveArrange(bool live);
    bool GetLiveArrange() const { return mLiveArrange; }
    // Every expandable panel shows its caption again.
    void UpdateText();
    // The separators above the visible expandable panels, on the host's device context.
    void Paint(CDC* dc);
    // Forgets every expandable panel; their windows stay.
    void Reset();

    int GetExpanderCount() { return mExpanders.GetCount(); }
    CExpandPanel* GetExpander(int index) { return mExpanders.GetAt(index); }

protected:
    // Places the expandable panels from the top line down, each width pixels wide, and
    // returns the height the host's client area needs for them.
    int PlaceExpanders(int width);

    CWnd* mParent = nullptr;
    int mTopLine = 0;
    CListenedList<CExpandPanel> mExpanders;
    bool mLiveArrange = true;
};

// Stacks the expandable panels in a dialog, below the controls the dialog already has, and
// makes a top-level dialog exactly as high as its controls and the stack.
class AFX_EXT_CLASS CDialogPanelManager : public CPanelManager {
public:
    // Also takes the host's client height as the top line.
    void SetParent(CWnd* host) override;
    void Arrange() override;
};

// Stacks the expandable panels in a container panel and asks the container's listeners for
// the size that fits them (CContainerPanel::RequestSize); it never resizes the container.
// A host that is not a container panel is arranged but asks for nothing.
class AFX_EXT_CLASS CWindowPanelManager : public CPanelManager {
public:
    void Arrange() override;
    // A width of 0 takes the client width of the host's parent window, or of the host when
    // it has none.
    void ArrangeToWidth(int width) override;
};
