#include "core/PopupMenu.h"

CPopupMenu::CPopupMenu() : mCreated(false) {}

CPopupMenu::~CPopupMenu()
{
    if (mCreated)
        mMenu.DestroyMenu();
}

void CPopupMenu::Create()
{
    if (mCreated)
        return;
    mCreated = mMenu.CreatePopupMenu() != FALSE;
}

void CPopupMenu::AddItem(const char* text, unsigned long id)
{
    Create();
    mMenu.InsertMenu(0, MF_BYPOSITION | MF_STRING, id, text);
}

void CPopupMenu::PopupRight(CWnd* owner)
{
    if (!mCreated || !owner->GetSafeHwnd())
        return;
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    // A menu opened from a notification-area icon closes at a click elsewhere only while
    // its owner is the foreground window, and it opens properly the next time only when
    // the owner gets a message after it closed.
    owner->SetForegroundWindow();
    mMenu.TrackPopupMenu(TPM_RIGHTALIGN, cursor.x, cursor.y, owner);
    owner->PostMessage(WM_NULL);
}
