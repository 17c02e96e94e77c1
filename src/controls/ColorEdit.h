#pragma once
#include "afxwin.h"

// An edit control with its own text and background colours.
//
// The colours reach the edit through its parent's control-colour message, which the
// framework reflects to it: the parent must be a framework window. A read-only or
// disabled edit, which asks with WM_CTLCOLORSTATIC, gets the same colours.
class AFX_EXT_CLASS CColorEdit : public CEdit {
public:
    // The colour value that selects the default in SetTextColor and SetBkColor.
    static constexpr COLORREF kDefaultColor = 0xFFFFFFFF;

    CColorEdit();

    // kDefaultColor selects the system's button-text colour. The edit repaints.
    void SetTextColor(COLORREF color);
    // kDefaultColor selects white. The edit repaints.
    void SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return mBkColor; }
    virtual COLORREF GetTextColor() const { return mTextColor; }

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    void Repaint();

private:
    COLORREF mTextColor;
    COLORREF mBkColor;
    CBrush mBkBrush; // made when first needed, so that a colour change makes no brush
};
