#pragma once
#include "afxres.h"
#include "panels/Panel.h"
#include "persist/PersistDataHost.h"

// A panel for an application's settings object: it loads the object from the default file
// ("Data.xml" in the per-user application-data folder) when its window is made, saves it
// there when its window is destroyed, and answers File Open and File Save with the XML
// file dialogs of CPersistDataHost. The subclass sets mObject in its constructor, before
// the window is made.
//
// Decisions of this library:
// - The settings are saved when the window is destroyed while the panel exists as a
//   whole, as when the window it sits in closes, or DestroyWindow is called. A panel
//   deleted with its window still open does not save from its destructor: the object of
//   the subclass, often one of its members, is already gone by then. A subclass that
//   wants that save destroys the window in its own destructor.
class AFX_EXT_CLASS CMainPanel : public CPanel, public CPersistDataHost {
    DECLARE_DYNAMIC(CMainPanel)
public:
    explicit CMainPanel(UINT id, CWnd* parent = nullptr);
    ~CMainPanel() override;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnDestroy();
    afx_msg void OnFileOpen();
    afx_msg void OnFileSave();
    DECLARE_MESSAGE_MAP()
};
