#pragma once
#include "afxwin.h"

// The menu that pops up from a notification-area icon. It is made on the first AddItem;
// every item goes to the top, so items show in the reverse order of adding.
//
// Decision of this library: the owner is made the foreground window while the menu shows,
// as the shell requires of menus opened from the notification area; otherwise the menu
// would stay open when the user clicks elsewhere.
class AFX_EXT_CLASS CPopupMenu {
public:
    CPopupMenu();
    CPopupMenu(const CPopupMenu&) = delete;
    CPopupMenu& operator=(const CPopupMenu&) = delete;
    virtual ~CPopupMenu();

    void Create();
    void AddItem(const char* text, unsigned long id);
    // Opens the menu to the left of the mouse cursor; its commands go to owner. Does
    // nothing while the menu has no item.
    void PopupRight(CWnd* owner);

    bool IsCreated() const { return mCreated; }
    CMenu& GetMenu() { return mMenu; }

private:
    CMenu mMenu;
    bool mCreated;
};
