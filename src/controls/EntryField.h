#pragma once
#include "controls/ColorEdit.h"

#include "tnwbscut.h"

// An edit field that shows a prompt ("Type a name here") in a reddish colour while it is
// empty, and announces to its listeners when its text is committed: when it loses the
// focus, and when Enter is released in it (the field then keeps the focus with its text
// selected). The announcement is kTextCommitted with the field as sender.
//
// The prompt is shown whenever the field holds no text of its own and is not being typed
// into: it goes when the field gains the focus and comes back when the field loses it
// empty. The field tells the prompt from a text by comparing them, so a text equal to the
// prompt counts as no text.
//
// Created with WS_BORDER, the field gets the client-edge frame of the system's edit
// fields instead.
class AFX_EXT_CLASS CEntryField : public CColorEdit, public CBroadcaster {
public:
    enum { kTextCommitted = 2275643 };
    static constexpr COLORREF kPromptColor = RGB(214, 96, 96);

    CEntryField();

    // Shows the prompt at once when the field holds no text of its own.
    void SetPrompt(const char* prompt);
    const CString& GetPrompt() const { return mPrompt; }
    bool IsPromptShown() const;

    // The text, or the prompt when the text is empty.
    void SetWindowTextA(const char* text);
    // The text; empty while the prompt is shown.
    void GetWindowTextA(CString& text) const;
    using CColorEdit::GetWindowTextA;

    COLORREF GetTextColor() const override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    CString GetShownText() const;
    void Commit();

    CString mPrompt;
};
