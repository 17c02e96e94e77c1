#pragma once
#include "afxwin.h"

// A plain owner-drawn combo box: each item is drawn white with black text, or navy with
// white text while it is selected. Created with Create, it gets the fixed owner-draw style
// and a vertical scroll bar; a combo box subclassed from a dialog template needs
// CBS_OWNERDRAWFIXED there.
//
// Items with strings (CBS_HASSTRINGS) show their string; a deriving class draws what
// other items hold over the base drawing.
class AFX_EXT_CLASS CDrawComboBox : public CComboBox {
public:
    static constexpr COLORREF kSelectedColor = 0x800000; // navy

    CDrawComboBox();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    // Fills the item and leaves the device context's text colour set for its state, and a
    // transparent background.
    void DrawBase(LPDRAWITEMSTRUCT lpDrawItemStruct);
};
