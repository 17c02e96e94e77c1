#include "controls/EntryField.h"

// Defined here as well, so that the module exports it.
constexpr COLORREF CEntryField::kPromptColor;

BEGIN_MESSAGE_MAP(CEntryField, CColorEdit)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_KEYUP()
END_MESSAGE_MAP()

CEntryField::CEntryField() = default;

CString CEntryField::GetShownText() const
{
    CString text;
    if (m_hWnd)
        CColorEdit::GetWindowTextA(text);
    return text;
}

bool CEntryField::IsPromptShown() const
{
    return !mPrompt.IsEmpty() && GetShownText() == mPrompt;
}

void CEntryField::SetPrompt(const char* prompt)
{
    const bool empty = GetShownText().IsEmpty() || IsPromptShown();
    mPrompt = prompt ? prompt : "";
    if (empty && m_hWnd)
        CColorEdit::SetWindowTextA(mPrompt);
    Repaint();
}

void CEntryField::SetWindowTextA(const char* text)
{
    CColorEdit::SetWindowTextA(text && *text ? text : static_cast<const char*>(mPrompt));
}

void CEntryField::GetWindowTextA(CString& text) const
{
    text = IsPromptShown() ? CString() : GetShownText();
}

COLORREF CEntryField::GetTextColor() const
{
    return IsPromptShown() ? kPromptColor : CColorEdit::GetTextColor();
}

BOOL CEntryField::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.style & WS_BORDER) {
        cs.style &= ~WS_BORDER;
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    return CColorEdit::PreCreateWindow(cs);
}

void CEntryField::OnSetFocus(CWnd* pOldWnd)
{
    CColorEdit::OnSetFocus(pOldWnd);
    if (IsPromptShown())
        CColorEdit::SetWindowTextA("");
}

void CEntryField::OnKillFocus(CWnd* pNewWnd)
{
    CColorEdit::OnKillFocus(pNewWnd);
    if (GetShownText().IsEmpty() && !mPrompt.IsEmpty())
        CColorEdit::SetWindowTextA(mPrompt);
    Commit();
}

void CEntryField::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CColorEdit::OnKeyUp(nChar, nRepCnt, nFlags);
    if (nChar != VK_RETURN)
        return;
    Commit();
    if (!m_hWnd)
        return;
    SetFocus();
    SetSel(0, -1);
}

void CEntryField::Commit()
{
    Broadcast(kTextCommitted, this, nullptr);
}
