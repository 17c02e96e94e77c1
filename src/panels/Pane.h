#pragma once
#include "afxwin.h"

// A plain child window that does not paint over its children (WS_CLIPCHILDREN).
class AFX_EXT_CLASS CPane : public CWnd {
public:
    CPane();

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
};
