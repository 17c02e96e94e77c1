#pragma once
#include "panels/TextEditorControls.h"

// The formatted-text editor over a window class (the edit pane over CPane, the edit panel
// over CPanel): the editor's operations and the handlers of its controls, which hand their
// work to CTextEditorControls. The derived class makes or binds the controls and
// initialises them.
//
// The buttons' command-update requests are left unanswered, so the buttons stay enabled.
template <class TBase>
class CTextEditor : public TBase {
public:
    using TBase::TBase;

    bool HasSelection() { return mEditor.HasSelection(); }
    void Copy() { mEditor.Copy(); }
    void Clear() { mEditor.Clear(); }
    bool CanPaste() { return mEditor.CanPaste(); }
    void Paste() { mEditor.Paste(); }
    bool CanUndo() { return mEditor.CanUndo(); }
    void Undo() { mEditor.Undo(); }
    void SelectAll() { mEditor.SelectAll(); }
    void Empty() { mEditor.Empty(); }
    void ReadyToEdit() { mEditor.ReadyToEdit(); }
    void SetReadOnly(bool readOnly) { mEditor.SetReadOnly(readOnly); }

    void SetData(CHandle& data) { mEditor.SetData(data); }
    void GetData(CHandle& data, bool rich) { mEditor.GetData(data, rich); }
    void GetDefault() { mEditor.GetDefault(); }
    void SetDefault() { mEditor.SetDefault(); }
    void UpdateControls() { mEditor.UpdateControls(); }
    bool Import(const char* path) { return mEditor.Import(path); }
    bool Export(const char* path, bool rich) { return mEditor.Export(path, rich); }
    const CRichEditCtrl& GetRichEditCtrl() const { return mEditor.GetTextBox(); }

protected:
    afx_msg void OnFontChange() { mEditor.ApplyFont(); }
    afx_msg void OnSizeChange() { mEditor.ApplySize(); }
    afx_msg void OnBold() { mEditor.ToggleBold(); }
    afx_msg void OnItalic() { mEditor.ToggleItalic(); }
    afx_msg void OnUnderline() { mEditor.ToggleUnderline(); }
    afx_msg void OnAlignLeft() { mEditor.AlignLeft(); }
    afx_msg void OnAlignCenter() { mEditor.AlignCenter(); }
    afx_msg void OnAlignRight() { mEditor.AlignRight(); }
    afx_msg void OnSelectionChange(NMHDR*, LRESULT* result)
    {
        mEditor.UpdateControls();
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()

    CTextEditorControls mEditor;
};
