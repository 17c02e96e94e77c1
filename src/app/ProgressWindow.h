#pragma once
#include "afxwin.h"
#include "tnwbscut.h"
#include "tnwwndut.h"

// What the two progress dialogs share: a modeless dialog that shows a progress action,
// polling it on a timer, and tells its listeners when the user wants the job cancelled or
// the current step skipped. It never acts on the job itself: the listener cancels the
// worker or skips a file, and calls End when the job is over.
//
// Cancel (the Cancel button, Escape, or closing the window) stops polling and broadcasts
// kCancel (the dialog, null); the dialog stays open, because the job may need a while to
// stop and the last state should stay readable meanwhile. Skip (the button with id 7,
// shown only when SetAction asked for it) broadcasts kSkip (the dialog, null), and polling
// goes on.
//
// The subclasses choose the template and how the action is polled: with their own controls
// and timer (CProgressDialog) or through a progress panel (CProgressDialog2).
//
// Decisions of this library:
// - Start again while the window exists only changes the title and resumes polling;
//   after End it makes the window anew.
// - Without an action there is nothing to show: polling draws nothing.
// - The dialogs open in the middle of the screen (their templates are centred).
class AFX_EXT_CLASS CProgressWindow : public CDialog, public CBroadcaster, public CListener {
    DECLARE_DYNAMIC(CProgressWindow)
public:
    enum { kCancel = 665034, kSkip = 665035 };
    enum { kDefaultUpdateGap = 500 };

    ~CProgressWindow() override;

    // The action is not owned; it must outlive polling (call End before it goes away).
    void SetAction(CWindowsProgressAction* action, bool showSkip);
    CWindowsProgressAction* GetAction() const { return mAction; }
    unsigned long GetUpdateGap() const { return mUpdateGap; }

    // Makes the window when it has none, titles it, shows it and starts polling.
    bool Start(const char* title);
    // Stops polling and destroys the window.
    void End();
    virtual void UpdateProgress() = 0;

protected:
    CProgressWindow(UINT templateId, unsigned long updateGap, CWnd* parent);

    virtual void StartPolling() = 0;
    virtual void StopPolling() = 0;
    // Shows the Skip button only when it was asked for.
    void ShowSkip();

    void OnCancel() override;

    afx_msg void OnNo();
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    bool mShowSkip = false;
    unsigned long mUpdateGap;
    CWindowsProgressAction* mAction = nullptr;
    CButton mSkip;

private:
    UINT mTemplateId;
};
