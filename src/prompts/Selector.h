#pragma once
#include "afxwin.h"
#include "tnwbscut.h"

// Asks the user for one entry of a list (template IDD_TNW_SELECTOR). Entries are queued
// with AddSelection before Prompt; showing the dialog moves them into the list, so a
// selector is shown once.
//
// The list starts at the first entry that begins with the answer, in any case, as
// LB_SELECTSTRING finds it. Without an entry added as selected the answer is empty, which
// every entry begins with, so the first entry starts selected and OK works at once; an
// answer that no entry begins with selects nothing. OK, or a double-click on an entry,
// ends the dialog only when an entry is selected.
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
    void FreePending();

    CString mTitle;
    CPointerList mPending;
    CString mResponseText;
    CListBox mList;
    CString mPromptText;
};
