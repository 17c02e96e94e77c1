#pragma once
#include "controls/BitmapCheckBox.h"
#include "controls/ColorStatic.h"
#include "dialogs/WindowLocator.h"
#include "panels/Panel.h"
#include "panels/PanelInfo.h"

// What a panel manager stacks: a one-line header (an expand button and a caption) above a
// group of panels (template 10011). Open, it shows the group's enabled panels one below
// the other; closed, it is only its header, and the caption sums up the panels' settings
// ("Video 640x480, 30 fps": the group's text, then each enabled panel's detailed text), in
// red when a panel reports a problem.
//
// The expand button and the group's panels do not open or close the expandable panel
// themselves: they ask its manager (Expand, Collaps broadcast kOpenMe and kCloseMe with
// this object as the sender), which decides and calls ExpandSelf or CollapsSelf. Changes of
// the panels' enabled states and summaries are passed on to the manager.
//
// Decisions of this library:
// - A closed expandable panel keeps its panels hidden when it arranges them, so that the
//   keyboard cannot reach controls that lie outside its window.
// - The dotted separators between the panels of an open group run above every enabled
//   panel but the first one shown.
// - The expand button always shows the state the manager left: pressed while no manager
//   answers, it springs back.
// - Its width never goes below 0 when the window is narrower than the indents.
class AFX_EXT_CLASS CExpandPanel : public CPanel, public CPanelInfo {
    DECLARE_DYNAMIC(CExpandPanel)
public:
    enum { kPanelGap = 3 };
    static constexpr COLORREF kProblemColor = RGB(255, 0, 0);
    static constexpr COLORREF kTextColor = RGB(0, 0, 0);

    explicit CExpandPanel(CWnd* parent = nullptr);
    ~CExpandPanel() override;

    void SetIndentX(int indent) { mIndentX = indent; }
    void SetIndentY(int indent) { mIndentY = indent; }

    // The group's behaviour, then Arrange when a panel was given.
    void AddChildPanel(CPanel* panel) override;
    bool ListenToMessage(long code, const void* sender, const void* extra) override;

    // Places the enabled panels below the header, each as wide as the window less the
    // indents and as high as it was made, 3 pixels apart, and grows the native rectangle
    // to hold them.
    void Arrange();
    // Shows the group's text while open, the summary while closed.
    void ShowText();
    // The summary; ok false when a panel reported a problem.
    CString GetText(bool& ok);
    using CPanelInfo::GetText;

    void Expand();
    void Collaps();
    void ExpandSelf();
    void CollapsSelf();
    bool IsExpanded() const { return mExpanded; }
    // Open: the native rectangle; closed: the header.
    CRect GetExpanderRect(bool expanded);
    int GetHeaderHeight() const { return mHeaderHeight; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnButtonExpand();
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    CWindowLocator mCaptionLocator;
    int mIndentX = 4;
    int mIndentY = 4;
    int mHeaderHeight = 0;
    bool mExpanded = false;
    CBitmapCheckBox mExpandButton;
    CStatic mPlaceholder;
    CColorStatic mCaption;
};
