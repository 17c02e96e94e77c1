#pragma once
#include "afxwin.h"

#include "BitmapResizer.h"

// A child window that shows a picture file (BMP, JPEG, PNG, GIF ...) scaled to its client
// area, and scaled again whenever the window's size changes. Until a picture is loaded the
// window shows its background.
//
// The window also draws itself on request into a device context it is given
// (WM_PRINTCLIENT), as the system's own controls do.
class AFX_EXT_CLASS CBitmapWindow : public CWnd {
public:
    CBitmapWindow();

    // Loads the picture at the client size and repaints; false when the file cannot be
    // read as a picture, and then the earlier picture stays.
    bool Load(const char* path);
    const CBitmapResizer& GetResizer() const { return mResizer; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void FitToClient();
    void DrawPicture(CDC* dc);

    CBitmapResizer mResizer;
};
