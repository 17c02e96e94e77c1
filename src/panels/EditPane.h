#pragma once
#include "panels/Pane.h"
#include "panels/TextEditor.h"

// The formatted-text editor as a plain child window: it makes its font and size lists,
// its six formatting buttons and its text box itself (at fixed places along the top, the
// text box below them, kept 4 pixels from the window's right and bottom edges as the pane
// is resized), on a pale yellow background that the text box shares.
//
// The pane keeps the last used format as the default for new text: it stores it when it
// is destroyed and before every GetData.
class AFX_EXT_CLASS CEditPane : public CTextEditor<CPane> {
public:
    CEditPane();
    ~CEditPane() override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
