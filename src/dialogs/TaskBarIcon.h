#pragma once
#include "afxwin.h"
#include "core/IconRotator.h"
#include "core/PopupMenu.h"

#include <shellapi.h>

// What the task-bar windows (CTaskBarDialog, CTaskBarDialog2, CTaskBarFrame) share: their
// icon in the notification area with its tip, the rotator that animates it and the menu
// that pops up from it.
//
// The icon record is always the same: icon 100 of the window, with message, icon and tip
// (flags 7), the callback message kCallbackMessage (WM_USER + 2), the rotator's current
// icon and the tip, cut to 127 characters. The record's size is that of the version-2
// record, which holds exactly these fields (488 bytes in 32-bit programs).
//
// Decisions of this library:
// - The icon counts as shown only once the shell has taken it, so that a refused add is
//   tried again by the next SetTrayIcon.
// - An icon still shown when its owner goes away is taken out of the notification area,
//   so that no dead icon is left behind.
class AFX_EXT_CLASS CTaskBarIcon {
public:
    enum { kIconId = 100 };
    enum { kCallbackMessage = WM_USER + 2 };
    enum { kMaxTipLength = 127 };

    CTaskBarIcon();
    CTaskBarIcon(const CTaskBarIcon&) = delete;
    CTaskBarIcon& operator=(const CTaskBarIcon&) = delete;
    virtual ~CTaskBarIcon();

    void SetTip(const char* tip);
    const CString& GetTip() const { return mTip; }
    CPopupMenu& GetPopupMenu() { return mPopupMenu; }
    CIconRotator& GetRotator() { return mRotator; }
    bool IsShown() const { return mShown; }

    // Adds the icon for the window the first time (after construction or a reset), then
    // updates it with the rotator's current icon and the tip. False when the shell refused.
    bool Set(CWnd* window);
    void Reset();

    // The callback of icon 100: a left double-click brings the window back, a right-button
    // release opens the popup menu; everything else is ignored.
    void OnCallback(CWnd* window, WPARAM iconId, LPARAM mouseMessage);
    // Whether a WM_COMMAND came from the popup menu.
    bool IsMenuCommand(WPARAM wParam, LPARAM lParam);

    // The record sent to the shell for the window.
    NOTIFYICONDATAA MakeRecord(HWND window) const;

private:
    CString mTip;
    CPopupMenu mPopupMenu;
    CIconRotator mRotator;
    bool mShown;
    HWND mShownWindow;
};
