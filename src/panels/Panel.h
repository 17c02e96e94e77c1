#pragma once
#include "afxcmn.h"
#include "tnwbscut.h"

// A small modeless dialog, made from a template of its own and placed as a child inside
// another window: a part of a settings window. A panel has an identifier (its template), an
// enabled state that it announces to its listeners, a one-line summary of its settings and
// the size it had when it was created (its native rectangle).
//
// A panel stands on its own: Enter and Escape never end it (OnOK and OnCancel do nothing),
// and a command that its own message maps do not handle goes nowhere else - not to the
// window it sits in, the thread or the application, as a dialog's would.
//
// Broadcast codes of the panel family (sender and extra as noted):
// - kOpenMe (775340): an expandable panel asks its manager to open it (the panel, none);
// - kCloseMe (775341): ... to close it (the panel, none);
// - kEnabledChanged (775342): the set of enabled panels changed (none, none), from SetEnable
//   and passed on by the groups that hold the panel;
// - kSummaryChanged (834002340): summaries must be shown again (none, none); a subclass
//   broadcasts it when what GetDetailedText gives has changed.
//
// Decisions of this library:
// - CreateInWindow creates the dialog as a child of the host at once, which is where it
//   would otherwise be moved: a template with the child style cannot be created without a
//   parent. A template made as a pop-up is turned into a child the same way. It fails (and
//   creates nothing) when the host has no window or the panel already has one.
// - The destructor destroys the window. A subclass whose handlers must see the window's
//   destruction destroys it in its own destructor, while its members still exist.
// - The panel adds no message-map entries for the messages it leaves to the defaults
//   (key up, showing, closing, destruction): a subclass that wants them maps them itself.
class AFX_EXT_CLASS CPanel : public CDialog, public CBroadcaster {
    DECLARE_DYNAMIC(CPanel)
public:
    enum {
        kOpenMe = 775340,
        kCloseMe = 775341,
        kEnabledChanged = 775342,
        kSummaryChanged = 834002340,
    };

    explicit CPanel(UINT id, CWnd* parent = nullptr);
    ~CPanel() override;

    // Creates the panel hidden inside host and, with fit, spreads it over host's client area.
    bool CreateInWindow(CWnd* host, bool fit);
    // Inside a tab control, always fitted to its display area (below or beside the tabs).
    bool CreateInWindow(CTabCtrl* tab);
    void FitInWindow(CWnd* host);
    void FitInWindow(CTabCtrl* tab);

    // The client rectangle right after creation; subclasses may grow it.
    CRect& GetNativeRect() { return mNativeRect; }
    void SetId(UINT id) { mId = id; }
    UINT GetId() const { return mId; }

    // Storing a different value calls OnEnable and then broadcasts kEnabledChanged; the
    // same value again does nothing.
    void SetEnable(bool enabled);

    virtual void OnEnable(bool enabled);
    virtual bool IsEnabled();
    virtual bool ValidateData();
    virtual void Refresh();
    // The panel's settings in a few words for a summary line; ok false marks a problem.
    virtual CString GetDetailedText(bool& ok);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

    CRect mNativeRect;

private:
    UINT mId;
    bool mEnabled = true;
};
