#pragma once
#include "afxwin.h"

#include <shlobj.h>

// Lets the user pick a folder with the shell's folder picker, starting at a default
// folder when one is set. PromptSaveAs offers a button for making a new folder,
// PromptOpen does not.
//
// Decisions of this library:
// - A choice that the shell cannot turn into a file-system path is no choice: Prompt
//   returns false and the path stays as it was, rather than reporting success with an
//   old path.
// - COM is initialised around the picker when the thread has not done so, as the shell's
//   new-style picker requires.
class AFX_EXT_CLASS CDirectoryPrompter {
public:
    CDirectoryPrompter();
    virtual ~CDirectoryPrompter();

    void SetTitle(const char* title) { mTitle = title ? title : ""; }
    void SetDefaultPath(const char* path) { mDefaultPath = path ? path : ""; }
    CString GetDefaultPath() const { return mDefaultPath; }
    // The folder chosen, without a closing separator.
    CString GetPath() const { return mPath; }
    void EnableCreate(bool enable) { mEnableCreate = enable; }

    // True when the user chose a folder.
    bool Prompt();
    bool PromptSaveAs();
    bool PromptOpen();

protected:
    // Shows the picker; the chosen item, which the caller frees, or null. The one place
    // the shell is asked, so that a test can answer instead of a person.
    virtual LPITEMIDLIST BrowseForFolder(BROWSEINFOA& info);

private:
    // Selects the default folder when the picker starts.
    static int CALLBACK OnBrowseEvent(HWND dialog, UINT message, LPARAM lParam, LPARAM data);

    CString mTitle;
    CString mDefaultPath;
    bool mEnableCreate;
    CString mPath;
};
