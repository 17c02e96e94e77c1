#pragma once
#include "afxlistctl.h"
#include "controls/ColorStatic.h"

// A list-view that can show a prompt over its client area, for instance to tell the user
// what to do while the list is empty. The prompt is a coloured static (white background,
// the library's shared font) made when first needed, covering the client area less 32
// pixels on every side, and following the list's size.
class AFX_EXT_CLASS CFriendlyListControl : public CListCtrl {
public:
    CFriendlyListControl();
    ~CFriendlyListControl() override;

    // Makes the prompt window once (hidden, control id 0xFFFF).
    void CreatePrompt();
    // Shows the text as the prompt; an empty or null text hides it.
    void ShowPrompt(const char* text);
    void MovePrompt();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT createStruct);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    static const int kPromptMargin = 32;
    static const UINT kPromptId = 0xFFFF;

    CColorStatic mPrompt;
    CRect mPromptRect;
};
