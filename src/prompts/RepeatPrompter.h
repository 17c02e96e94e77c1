#pragma once
#include "afxwin.h"

// Asks a yes/no question that the user may answer once for a whole series (template
// IDD_TNW_REPEAT_PROMPTER, "Confirm"): while "Apply to All" is ticked, Prompt gives the
// stored answer without asking again, until Reset. Closing the dialog counts as No.
class AFX_EXT_CLASS CRepeatPrompter : public CDialog {
public:
    explicit CRepeatPrompter(CWnd* pParent = nullptr);

    // Forgets an "Apply to All" answer: the next Prompt asks again.
    void Reset();
    // True for Yes. showApplyToAll shows the "Apply to All" box.
    bool Prompt(const char* message, bool showApplyToAll);

    bool GetAnswer() const { return mAnswer; }
    bool IsApplyingToAll() const { return mApplyToAll; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnYes();
    afx_msg void OnNo();
    afx_msg void OnApplyToAll();
    DECLARE_MESSAGE_MAP()

private:
    bool mAnswer;
    bool mShowApplyToAll;
    bool mApplyToAll;
    CButton mApplyToAllBox;
    CString mMessage;
};
