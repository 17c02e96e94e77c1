#pragma once
#include "afxdlgs.h"
#include "tnwbscut.h"
#include "tnwwndut.h"

#include <string>

// Lets the user pick files to open or a file to save with the system's file dialogs,
// offering the filters added (listed by description) and remembering the filter chosen
// last in a settings value of the caller's, when one is given. The open dialog adds
// "All Files" (*.*) after the filters and chooses it until the user picks another.
//
// Decisions of this library:
// - The default extension that the dialog appends to a typed name is the first filter's
//   extension ("mp4" of "*.mp4"), never the pattern itself; a pattern without a plain
//   extension ("*.*") gives none.
// - A remembered filter that is not a number or names no filter of this dialog (a
//   damaged or outdated setting) is ignored in favour of the default choice.
// - Characters that a file name cannot hold (\ / : * ? " < > | and control characters) are
//   replaced by "_" in the name offered when saving, so the user starts from that name
//   rather than from nothing; a folder given in front of the name is kept as it is.
class AFX_EXT_CLASS CFilePrompter {
public:
    // filterChoice may be null; it is not owned and must outlive the prompter.
    explicit CFilePrompter(CRegistry* filterChoice = nullptr);
    virtual ~CFilePrompter();
    CFilePrompter(const CFilePrompter&) = delete;
    CFilePrompter& operator=(const CFilePrompter&) = delete;

    // extension "mp4" or a pattern "*.mp4" (used as given when it starts with "*").
    void AddFilter(const char* extension, const char* description);
    // The file name offered when saving.
    void SetDefault(const char* name) { mDefault = name ? name : ""; }

    // True when the user chose; the choice is then in GetFile. A cancelled dialog keeps
    // no selection.
    bool PromptSaveAs();
    bool PromptOpen(bool multiple);

    int GetSelectedCount() const;
    // The selected path; extension receives its extension. Empty texts for an index out
    // of range.
    CString GetFile(int index, CString& extension) const;
    void ResetFileList();

protected:
    // Shows the dialog and returns IDOK or IDCANCEL; error receives the dialog's failure
    // code (0 when the user cancelled). The one place the dialog is shown, so that a test
    // can answer instead of a person.
    virtual INT_PTR ShowDialog(CFileDialog& dialog, DWORD& error);

private:
    std::string FilterText(bool withAllFiles) const;
    CString DefaultExtension() const;
    DWORD RememberedFilter(DWORD defaultIndex, DWORD entries) const;
    void Select(const CString& path);
    void RememberFilter(DWORD index);

    CRegistry* mFilterChoice;
    CPointerList mFilters;   // of owned filter entries, in order of description
    CPointerList mSelected;  // of owned selected files, in the order chosen
    CString mDefault;
};
