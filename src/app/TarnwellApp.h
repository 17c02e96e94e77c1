#pragma once
#include "afxres.h"
#include "afxwin.h"
#include "core/CommandLineParams.h"
#include "tnwbscut.h"
#include "tnwwndut.h"

class CDebugLogger;
class CWnd;

// The application object of every application of the family. A derived application sets
// its number (GetApplicationId().SetId) and splash bitmap in its constructor, calls this
// InitInstance first in its own, and then creates its windows.
//
// Start-up, in this order: the command line is parsed (raw-line mode); common controls are
// initialised; the application's name becomes its short name; profile settings go under
// HKEY_CURRENT_USER\Software\Tarnwell\<short name> (SetRegistryKey), and the settings
// values of the window library (CRegistry) go to the very same key; the debug logger is
// created; the splash window shows for 2 seconds; control containers and 3-D controls are
// enabled; the random generator is seeded.
//
// The application object also answers the standard edit commands (Cut, Copy, Paste,
// Clear, Select All) for the edit control, combo box or rich edit control that has the
// keyboard focus, so that dialogs get them without a handler of their own. Being the last
// stop of command routing, it handles them only when no view, dialog or frame does.
// Undo and Redo stay disabled.
//
// Decisions of this library:
// - Without a splash bitmap id (0) no splash window shows.
// - A drop-down combo box keeps the focus in the edit field it contains; with the focus
//   there the combo box is the target, as the user would expect.
// - Web() opens the maker's home page, UWebAddresses::kHomePage.
class AFX_EXT_CLASS CTarnwellApp : public CWinApp, public CListener {
public:
    // The maker's registry key: every application of the family files its settings in a
    // sub-key of it.
    static const char* const kRegistryKey;
    // Seconds the splash window stays at start-up.
    enum { kSplashSeconds = 2 };

    CTarnwellApp();
    ~CTarnwellApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    bool Respond(long message, CBroadcaster* sender, long data1, long data2) override;

    void About();
    void Web();

    StApplicationId& GetApplicationId() { return mApplicationId; }
    CDebugLogger* GetDebugLogger() const { return mDebugLogger; }
    unsigned long GetSplashBitmap() const { return mSplashBitmap; }
    void SetSplashBitmap(unsigned long bitmapId) { mSplashBitmap = bitmapId; }
    CTracer& GetTracer() { return mTracer; }
    CCommandLineParams& GetCommandLineParams() { return mCommandLine; }

    afx_msg void OnAppAbout();
    afx_msg void OnUpdateAppAbout(CCmdUI* pCmdUI);
    afx_msg void OnHelpFinder();
    afx_msg void OnEditCut();
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    afx_msg void OnEditClear();
    afx_msg void OnEditSelectAll();
    afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditClear(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    afx_msg void OnEditUndo();
    afx_msg void OnEditRedo();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditRedo(CCmdUI* pCmdUI);

protected:
    DECLARE_MESSAGE_MAP()

private:
    StApplicationId mApplicationId;
    CDebugLogger* mDebugLogger;
    unsigned long mSplashBitmap;
    CTracer mTracer;
    CCommandLineParams mCommandLine;
};
