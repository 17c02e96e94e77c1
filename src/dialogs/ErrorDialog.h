#pragma once
#include "afxwin.h"

// A message in a red frame, with Cancel and an optional action button (the OK button
// under the caller's text, "Download" say). Without a button text only Cancel is there,
// so the dialog can only be dismissed.
//
// Decision of this library: without a button text the OK command (the Enter key sends it
// for the default button, shown or not) is ignored, so the action cannot be chosen by
// keyboard either.
class AFX_EXT_CLASS CErrorDialog : public CDialog {
public:
    CErrorDialog(const char* message, CWnd* parent = nullptr);
    ~CErrorDialog() override;

    // Shows the message modally without a parent; true only when the user chose the action.
    static bool Prompt(const char* message, const char* buttonText);

    void SetButtonText(const char* text);

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CString mMessage;
    CString mButtonText;
    CStatic mFrame;
    CButton mOk;
    CStatic mMessageText;
};
