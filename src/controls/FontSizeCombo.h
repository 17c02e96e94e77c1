#pragma once
#include "afxwin.h"

// A combo box of the usual font sizes in points, 8 to 72. Any other size can be shown
// (Select(15) shows "15" with no entry selected); a drop-down combo box (CBS_DROPDOWN)
// also lets the user type one, which GetSize then reads.
//
// Owner-drawn (CBS_OWNERDRAWFIXED), the combo box draws each size vertically centred,
// and the chosen size in its selection field when no entry is selected.
//
// Decisions of this library:
// - Created with Create, the combo box keeps its entries as strings (CBS_HASSTRINGS),
//   which an owner-drawn combo box otherwise would not.
// - Select remembers the size it shows, so that an owner-drawn selection field draws it.
// - A drop-down list (CBS_DROPDOWNLIST), which has no text beyond its selected entry,
//   reports the size it shows from GetSize while no entry is selected.
class AFX_EXT_CLASS CFontSizeCombo : public CComboBox {
public:
    enum { kDefaultSize = 12 };

    CFontSizeCombo();

    // Adds the 17 usual sizes, from "8" to "72".
    void LoadSizes();
    // Stores the size and shows it.
    void SetSize(int size);
    // The size in the combo box's text; 0 when the text is not a number.
    int GetSize() const;
    // Selects the entry of the size (none when it is not listed) and shows the size.
    void Select(int size);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    int mSize = kDefaultSize;
};
