#pragma once
#include "afxwin.h"

// A two-state button drawn from bitmaps: the bitmap button's four bitmaps, and a checked
// bitmap shown while the box is checked. A click (the left button released over it)
// toggles the state.
//
// Which bitmap is drawn: the checked bitmap while checked, else the normal one; the
// pressed bitmap replaces either while the button is pressed. The focus and disabled
// bitmaps are only fallbacks for a box that has neither a normal nor (while checked) a
// checked bitmap.
//
// Created with Create, the box is given the owner-draw style; a box subclassed from a
// dialog template must have BS_OWNERDRAW there.
class AFX_EXT_CLASS CBitmapCheckBox : public CBitmapButton {
public:
    CBitmapCheckBox();

    // Replace the checked bitmap with a resource found through the resource chain; false
    // (and no checked bitmap) when there is no such bitmap.
    bool LoadCheckedBitmap(const char* name);
    bool LoadCheckedBitmap(unsigned int id);

    // 0 or 1; any value other than 0 checks the box.
    int GetCheck() const { return mChecked; }
    void SetCheck(int checked);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    int mChecked = 0;
    CBitmap mCheckedBitmap;
};
