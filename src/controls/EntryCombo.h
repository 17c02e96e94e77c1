#pragma once
#include "afxwin.h"
#include "tnwbscut.h"

// A combo box that announces to its listeners when its text is committed, as the entry
// field does: when Enter is released in it (it then takes the focus back) and when it
// loses the focus. The announcement is kTextCommitted with the combo box as sender.
//
// Enter is seen in PreTranslateMessage, which the application's message loop calls for
// the combo box and for the edit field inside it, where the keys of a drop-down combo
// box go.
//
// The parent still hears of the focus loss (CBN_KILLFOCUS) after the listeners.
//
// Decision of this library: both announcements carry the same sender, the combo box
// itself, so that a listener can tell the combo box by its address whichever way the
// text was committed.
class AFX_EXT_CLASS CEntryCombo : public CComboBox, public CBroadcaster {
public:
    enum { kTextCommitted = 2275643 };

    CEntryCombo();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg BOOL OnKillFocus();
    DECLARE_MESSAGE_MAP()

private:
    void Commit();
};
