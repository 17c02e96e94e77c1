#include "app/EditTarget.h"

#include "afxrich.h"

namespace {

CEditTarget::EKind KindOf(CWnd* window)
{
    if (!window)
        return CEditTarget::kNone;
    if (window->IsKindOf(RUNTIME_CLASS(CEdit)))
        return CEditTarget::kEdit;
    if (window->IsKindOf(RUNTIME_CLASS(CComboBox)))
        return CEditTarget::kComboBox;
    if (window->IsKindOf(RUNTIME_CLASS(CRichEditCtrl)))
        return CEditTarget::kRichEdit;
    return CEditTarget::kNone;
}

} // namespace

CEditTarget CEditTarget::FromFocus()
{
    HWND focus = ::GetFocus();
    if (!focus)
        return CEditTarget(kNone, nullptr);
    CWnd* window = CWnd::FromHandle(focus);
    const EKind kind = KindOf(window);
    if (kind != kNone)
        return CEditTarget(kind, window);
    // The edit field of a drop-down combo box is a child window of the combo box.
    CWnd* parent = CWnd::FromHandle(::GetParent(focus));
    if (KindOf(parent) == kComboBox)
        return CEditTarget(kComboBox, parent);
    return CEditTarget(kNone, nullptr);
}

LRESULT CEditTarget::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(mWindow->m_hWnd, message, wParam, lParam);
}

bool CEditTarget::HasEditField() const
{
    switch (mKind) {
    case kEdit:
    case kRichEdit:
        return true;
    case kComboBox:
        return Send(CB_GETEDITSEL) != CB_ERR;
    default:
        return false;
    }
}

bool CEditTarget::HasSelection() const
{
    switch (mKind) {
    case kEdit: {
        DWORD start = 0;
        DWORD end = 0;
        Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return start != end;
    }
    case kComboBox: {
        const LRESULT selection = Send(CB_GETEDITSEL);
        return selection != CB_ERR && LOWORD(selection) != HIWORD(selection);
    }
    case kRichEdit: {
        long start = 0;
        long end = 0;
        static_cast<CRichEditCtrl*>(mWindow)->GetSel(start, end);
        return start != end;
    }
    default:
        return false;
    }
}

void CEditTarget::Cut() const
{
    if (mKind != kNone)
        Send(WM_CUT);
}

void CEditTarget::Copy() const
{
    if (mKind != kNone)
        Send(WM_COPY);
}

void CEditTarget::Paste() const
{
    if (mKind != kNone)
        Send(WM_PASTE);
}

void CEditTarget::Clear() const
{
    // Replacing the selection by nothing, rather than WM_CLEAR, lets the user undo it.
    if (mKind == kEdit || mKind == kRichEdit)
        Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(""));
}

void CEditTarget::SelectAll() const
{
    switch (mKind) {
    case kEdit:
        Send(EM_SETSEL, 0, -1);
        Send(EM_SCROLLCARET);
        break;
    case kComboBox:
        Send(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        break;
    case kRichEdit:
        static_cast<CRichEditCtrl*>(mWindow)->SetSel(0, -1);
        break;
    default:
        break;
    }
}
