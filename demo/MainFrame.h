#pragma once
#include "tnwmfcut.h"

// The converter's main window: a menu, the picture of the clip being converted, and a
// status line that can blink to draw the eye. Its position is kept in "window.ini": the
// application places it from there, and it stores itself there when it closes.
class CMainFrame : public CFrameWnd {
public:
    void SetStatus(LPCSTR text);
    CColorStatic& GetStatusLine() { return mStatusLine; }
    // Shows a picture file; false when it cannot be read.
    bool ShowPicture(LPCSTR path);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnClose();
    afx_msg void OnConvert();
    afx_msg void OnAppExit();
    DECLARE_MESSAGE_MAP()

private:
    // Where the picture goes: the right half of the client area, above the status line.
    CRect PictureRect() const;

    CColorStatic mStatusLine;
    CBitmapWindow mPicture;
};
