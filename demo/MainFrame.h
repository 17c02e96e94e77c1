#pragma once
#include "afxwin.h"

// The converter's main window: a menu and a status line.
class CMainFrame : public CFrameWnd {
public:
    void SetStatus(LPCSTR text);

protected:
    afx_msg void OnPaint();
    afx_msg void OnConvert();
    DECLARE_MESSAGE_MAP()

private:
    CString mStatus = "Ready to convert";
};
