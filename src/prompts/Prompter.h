#pragma once
#include "afxwin.h"

// Asks the user for one line of text (template IDD_TNW_PROMPTER, "Enter Text"): the prompt
// above an edit field preset with the current answer, OK and Cancel.
class AFX_EXT_CLASS CPrompter : public CDialog {
public:
    explicit CPrompter(CWnd* pParent = nullptr);

    // Shows prompt with the edit preset to response. OK stores the edit's text in response
    // and returns true; any other end returns false and leaves response as it was.
    static bool Prompt(const char* prompt, CString& response);

    void SetPromptText(const char* text) { mPromptText = text ? text : ""; }
    void SetResponseText(const char* text) { mResponseText = text ? text : ""; }
    CString GetResponseText() const { return mResponseText; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CEdit mEdit;
    CString mPromptText;
    CString mResponseText;
};
