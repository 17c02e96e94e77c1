#pragma once
#include "afxwin.h"

// A yes/no question that the user can answer once for a whole series: with "Apply to
// All" ticked, the answer is kept and every later Prompt returns it without asking, until
// Reset. Closing the window counts as No.
class AFX_EXT_CLASS CRepeatPrompter : public CDialog {
public:
    enum { IDD = 10005, kApplyToAllId = 10082, kMessageId = 10020 };

    CRepeatPrompter();

    void Reset();
    bool Prompt(const char* message, bool showApplyToAll);

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnYes();
    afx_msg void OnNo();
    afx_msg void OnApplyToAll();
    DECLARE_MESSAGE_MAP()

private:
    bool mAnswer = false;
    bool mShowApplyToAll = true;
    bool mApplyToAll = false;
    CString mMessage;
};
