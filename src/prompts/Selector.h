#pragma once
#include "afxwin.h"
#include "tnwbscut.h"

// Asks the user for one entry of a list (template IDD_TNW_SELECTOR). Entries are queued
// with AddSelection before Prompt; the one added as selected starts selected. OK, or a
// double-click on an entry, ends the dialog only when an entry is selected.
//
// Decisions of this library:
// - The preselected entry is the first one equal to the selected text, byte for byte:
//   neither a longer entry that merely starts with it nor one that differs in case.
// - The queued entries stay with the selector, so Prompt can be shown again with the
//   same list; they are freed with the selector.
class AFX_EXT_CLASS CSelector : public CDialog {
public:
    explicit CSelector(CWnd* pParent = nullptr);
    ~CSelector() override;

    void SetTitle(const char* title) { mTitle = title ? title : ""; }
    void SetPromptText(const char* text) { mPromptText = text ? text : ""; }
    // Queues a copy of text; with selected, text becomes the answer that starts selected.
    void AddSelection(const char* text, bool selected);

    // True when the user chose an entry (IDOK).
    bool Prompt();
    CString GetResponseText() const { return mResponseText; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Copies the selected entry into the answer; false when none is selected.
    bool RetrieveResponseText();

    afx_msg void OnDoubleClickSelection();
    DECLARE_MESSAGE_MAP()

private:
    CString mTitle;
    CPointerList mPending;
    CString mResponseText;
    CListBox mList;
    CString mPromptText;
};
