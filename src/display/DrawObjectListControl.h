#pragma once
#include "display/ObjectListControl.h"

// An owner-drawn object list of one column that fills the control's width: each row is
// drawn by DrawObject. The deriving control sets LVS_OWNERDRAWFIXED and makes the column.
class AFX_EXT_CLASS CDrawObjectListControl : public CObjectListControl {
public:
    // Draws one row; the default draws nothing.
    virtual void DrawObject(CDC& dc, CRect& rect, CObjectDisplay* display);

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    // Column 0 as wide as the client area less 4 pixels.
    void AutoResize();

protected:
    afx_msg void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
