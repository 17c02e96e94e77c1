#include "controls/EntryCombo.h"

BEGIN_MESSAGE_MAP(CEntryCombo, CComboBox)
    ON_CONTROL_REFLECT_EX(CBN_KILLFOCUS, OnKillFocus)
END_MESSAGE_MAP()

CEntryCombo::CEntryCombo() = default;

BOOL CEntryCombo::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYUP && pMsg->wParam == VK_RETURN && m_hWnd
        && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) {
        Commit();
        if (m_hWnd)
            SetFocus();
    }
    return CComboBox::PreTranslateMessage(pMsg);
}

BOOL CEntryCombo::OnKillFocus()
{
    Commit();
    return FALSE;
}

void CEntryCombo::Commit()
{
    Broadcast(kTextCommitted, this, nullptr);
}
