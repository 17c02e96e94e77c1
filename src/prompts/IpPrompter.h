#pragma once
#include "afxcmn.h"
#include "afxwin.h"

// Asks the user for an IPv4 address (template IDD_TNW_IP_PROMPTER, "Enter IP Address"):
// the prompt above an address field that starts at the given address. Text that is no
// complete address starts as far as it can be read: missing parts are 0 and each part
// keeps its low 8 bits, so empty or malformed text starts at 0.0.0.0.
class AFX_EXT_CLASS CIpPrompter : public CDialog {
public:
    explicit CIpPrompter(CWnd* pParent = nullptr);

    // Shows prompt with the field at address. OK hands the address back as dotted text
    // ("%d.%d.%d.%d") and returns true; any other end returns false and leaves address
    // as it was.
    static bool Prompt(const char* prompt, CString& address);

    void SetPromptText(const char* text) { mPromptText = text ? text : ""; }
    void SetAddress(const char* address) { mAddress = address ? address : ""; }
    CString GetResponseAddress() const { return mAddress; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CString mAddress;
    CIPAddressCtrl mAddressField;
    CString mPromptText;
};
