#pragma once
#include "controls/BitmapCheckBox.h"
#include "controls/FontCombo.h"
#include "controls/FontSizeCombo.h"
#include "controls/StyledEdit.h"
#include "controls/TextSetting.h"

// The library's formatted-text editor without its window: a rich-text box under a row of
// font and size lists and bold, italic, underline and alignment buttons, which keeps the
// last used formatting as the default for new text (a CTextSetting, shared through the
// settings by every editor). The edit pane makes these controls in a window of its own,
// the edit panel binds those of its template; both hand their work to this class.
//
// Every formatting command acts on the text box's selection, gives the focus back to the
// text box and shows the selection's format in the controls again.
//
// Decisions of this library:
// - Import reads at most kImportLimit bytes: a larger file, like one that cannot be opened
//   or read, is refused (false) and changes nothing.
// - Export replaces the file only once the whole text is written beside it, so that a full
//   disk never costs the file that was there; false when it could not be written.
// - GetTextFromCursor reads by the text box's own character positions, in which a line
//   break is one character, and gives line breaks as "\r\n" like GetText.
class AFX_EXT_CLASS CTextEditorControls {
public:
    static const unsigned long kImportLimit = 64UL * 1024 * 1024;
    static constexpr COLORREF kPaneBackground = RGB(251, 251, 223);

    CTextEditorControls() = default;
    CTextEditorControls(const CTextEditorControls&) = delete;
    CTextEditorControls& operator=(const CTextEditorControls&) = delete;

    // Makes the controls in parent at the pane's places; false when one cannot be made.
    bool Create(CWnd* parent);
    // Binds the controls of a template with these font and size list ids.
    void Exchange(CDataExchange* pDX, int fontsId, int sizesId);
    // After Create or Exchange: pictures, the text box's events, lists filled where the
    // template did not fill them, the default format applied, the controls updated and
    // the focus in the text box.
    void Initialize(bool bound);

    bool HasSelection();
    void Copy();
    void Clear();
    bool CanPaste();
    void Paste();
    bool CanUndo();
    void Undo();
    void SelectAll();
    void Empty();
    void ReadyToEdit();
    void SetReadOnly(bool readOnly);

    // Empty data applies the default format instead.
    void SetData(CHandle& data);
    // Stores the default format first.
    void GetData(CHandle& data, bool rich);
    // Applies the stored format to the whole text.
    void GetDefault();
    // Stores the text box's current format.
    void SetDefault();
    void UpdateControls();
    bool Import(const char* path);
    bool Export(const char* path, bool rich);

    void Select(unsigned long start, unsigned long count);
    CString GetText();
    CString GetTextFromCursor(long& start);

    // The formatting commands.
    void ApplyFont();
    void ApplySize();
    void ToggleBold();
    void ToggleItalic();
    void ToggleUnderline();
    void AlignLeft();
    void AlignCenter();
    void AlignRight();

    CStyledEdit& GetTextBox() { return mText; }
    const CStyledEdit& GetTextBox() const { return mText; }
    CFontCombo& GetFontList() { return mFonts; }
    CFontSizeCombo& GetSizeList() { return mSizes; }

private:
    bool IsReady() const { return mText.m_hWnd != nullptr; }
    // Back to the text box after a command, with the controls showing its format.
    void Done();
    CString GetRange(long start, long end);

    CFontCombo mFonts;
    CFontSizeCombo mSizes;
    CBitmapCheckBox mBold;
    CBitmapCheckBox mItalic;
    CBitmapCheckBox mUnderline;
    CBitmapCheckBox mAlignLeft;
    CBitmapCheckBox mAlignCenter;
    CBitmapCheckBox mAlignRight;
    CStyledEdit mText;
    CTextSetting mDefault;
};
