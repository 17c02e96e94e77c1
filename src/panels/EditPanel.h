#pragma once
#include "dialogs/WindowLocator.h"
#include "panels/Panel.h"
#include "panels/TextEditor.h"

// The formatted-text editor as a panel (template 10012): the same lists, buttons and text
// box as the edit pane, from the template, with the text box growing with the panel.
//
// The panel keeps the last used format as the default for new text: it stores it when it
// is closed or destroyed and before every GetData.
class AFX_EXT_CLASS CEditPanel : public CTextEditor<CPanel> {
public:
    explicit CEditPanel(CWnd* parent = nullptr);
    ~CEditPanel() override;

    // The rich-edit library is loaded before the template's text box is made.
    using CTextEditor<CPanel>::Create;
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr) override;

    // Selects count characters from start (character positions of the text box).
    void Select(unsigned long start, unsigned long count);
    // The plain text, line breaks as "\r\n".
    CString GetText();
    // The selected text, or without a selection the text from the caret to the end; start
    // is where that text begins, in the text box's character positions.
    CString GetTextFromCursor(long& start);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CWindowLocator mTextLocator;
};
