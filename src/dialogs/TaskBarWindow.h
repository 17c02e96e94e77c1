#pragma once
#include "afxwin.h"
#include "dialogs/TaskBarIcon.h"
#include "tnwbscut.h"

// A window of any base (a dialog, a frame) that can live in the notification area: the
// mixin behind CTaskBarDialog, CTaskBarDialog2 and CTaskBarFrame, which differ only in the
// rule that says whether minimising hides the window (MinimizesToTray).
//
// - Its icon is the current icon of the rotator of its CTaskBarIcon; each change the
//   rotator broadcasts updates the icon. Nothing shows the icon at start-up: the
//   application calls SetTrayIcon, or lets the rotator's broadcasts do it.
// - A right-button release on the icon opens the popup menu, a double click brings the
//   window back. Clicks on any icon but the family's own are ignored.
// - A command of the popup menu ends at HandleTaskBarMenuCommand: it goes no further
//   through the window's command routing, so that a menu item whose id happens to be
//   IDOK or IDCANCEL cannot end a dialog.
// - Closing the window takes its icon out of the notification area.
template <class TBase>
class CTaskBarWindow : public TBase, public CListener {
public:
    CTaskBarWindow() { mTaskBarIcon.GetRotator().AddListener(this); }
    // For dialog bases.
    CTaskBarWindow(unsigned int templateId, CWnd* parent) : TBase(templateId, parent)
    {
        mTaskBarIcon.GetRotator().AddListener(this);
    }

    void SetTrayIcon() { mTaskBarIcon.Set(this); }
    void ResetTrayIcon() { mTaskBarIcon.Reset(); }
    CTaskBarIcon& GetTaskBarIcon() { return mTaskBarIcon; }

    // The rotator's icon change shows the new icon and is taken (true); other codes go to
    // CListener.
    bool ListenToMessage(long code, const void* sender, const void* extra) override
    {
        if (code != CIconRotator::kIconChanged)
            return CListener::ListenToMessage(code, sender, extra);
        SetTrayIcon();
        return true;
    }

    // Where subclasses handle the commands of the popup menu; nothing is done here.
    virtual void HandleTaskBarMenuCommand(int) {}

protected:
    // Whether minimising hides the window.
    virtual bool MinimizesToTray() const = 0;

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (!mTaskBarIcon.IsMenuCommand(wParam, lParam))
            return TBase::OnCommand(wParam, lParam);
        HandleTaskBarMenuCommand(LOWORD(wParam));
        return TRUE;
    }

    afx_msg void OnClose()
    {
        ResetTrayIcon();
        TBase::OnClose();
    }

    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        if (nType == SIZE_MINIMIZED && MinimizesToTray())
            this->ShowWindow(SW_HIDE);
        else
            TBase::OnSize(nType, cx, cy);
    }

    afx_msg LRESULT OnSystemTray(WPARAM wParam, LPARAM lParam)
    {
        mTaskBarIcon.OnCallback(this, wParam, lParam);
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    CTaskBarIcon mTaskBarIcon;
};

BEGIN_TEMPLATE_MESSAGE_MAP(CTaskBarWindow, TBase, TBase)
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_MESSAGE(CTaskBarIcon::kCallbackMessage, OnSystemTray)
END_MESSAGE_MAP()

// The rule of the windows that decide for themselves: minimising hides the window only
// when the application enabled the tray (EnableTray) and the window is to minimise to it
// (SetMinimizeToTray). Both are off after construction.
template <class TBase>
class CSwitchedTaskBarWindow : public CTaskBarWindow<TBase> {
public:
    using CTaskBarWindow<TBase>::CTaskBarWindow;

    void EnableTray(bool on) { mTrayEnabled = on; }
    bool IsTrayEnabled() const { return mTrayEnabled; }
    void SetMinimizeToTray(bool on) { mMinimizeToTray = on; }
    bool GetMinimizeToTray() const { return mMinimizeToTray; }

protected:
    bool MinimizesToTray() const override { return mTrayEnabled && mMinimizeToTray; }

private:
    bool mTrayEnabled = false;
    bool mMinimizeToTray = false;
};
