#pragma once
#include "tnwmfcut.h"

// The converter's main window: a menu, the picture of the clip being converted, and a
// status line that can blink to draw the eye; bars docked at its edges take their room
// first. Its position is kept in "window.ini": the
// application places it from there, and it stores itself there when it closes.
class CMainFrame : public CFrameWnd {
public:
    void SetStatus(LPCSTR text);
    CColorStatic& GetStatusLine() { return mStatusLine; }
    // Shows a picture file; false when it cannot be read.
    bool ShowPicture(LPCSTR path);
    // The docked bars take their edges; the picture and the status line share the rest.
    void RecalcLayout(BOOL bNotify = TRUE) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg void OnClose();
    afx_msg void OnConvert();
    afx_msg void OnAppExit();
    DECLARE_MESSAGE_MAP()

private:
    // What the docked bars leave of the client area.
    CRect ContentRect() const;
    // Where the picture goes: the right half of the content, above the status line.
    CRect PictureRect() const;

    CColorStatic mStatusLine;
    CBitmapWindow mPicture;
};
