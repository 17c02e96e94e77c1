#pragma once
#include "afxwin.h"

// The control that the standard edit commands act on: the focused window when its
// framework object is an edit control, a combo box or a rich edit control (tested in that
// order), or the combo box whose edit field has the focus. Any other focus, or none, is no
// target: every command is then disabled.
class CEditTarget {
public:
    enum EKind { kNone, kEdit, kComboBox, kRichEdit };

    static CEditTarget FromFocus();

    EKind GetKind() const { return mKind; }

    // Cut and Copy need a selection; Clear needs one too and never acts on a combo box;
    // Paste and Select All need only a target with an edit field.
    bool CanCut() const { return HasSelection(); }
    bool CanClear() const { return mKind != kComboBox && HasSelection(); }
    bool CanPaste() const { return HasEditField(); }
    bool CanSelectAll() const { return HasEditField(); }

    void Cut() const;
    void Copy() const;
    void Paste() const;
    void Clear() const;
    void SelectAll() const;

private:
    CEditTarget(EKind kind, CWnd* window) : mKind(kind), mWindow(window) {}

    bool HasSelection() const;
    bool HasEditField() const;
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    EKind mKind;
    CWnd* mWindow;
};
