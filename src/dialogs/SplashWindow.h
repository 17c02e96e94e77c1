#pragma once
#include "dialogs/PlainFrame.h"

// The picture shown for a few seconds at start-up: a topmost pop-up without border,
// centred on the desktop at the size of its bitmap. It closes itself when its time is up
// or at a click, killing its timer first, and frees itself when it is destroyed. It is
// modeless: start-up goes on while it shows.
//
// Decision of this library: a bitmap that cannot be loaded (id 0 included, the
// application object's default) shows no window. Like a frame whose creation failed, the
// splash window has then freed itself already.
class AFX_EXT_CLASS CSplashWindow : public CPlainFrame {
    DECLARE_DYNCREATE(CSplashWindow)
public:
    enum { kTimerId = 200 };

    CSplashWindow();
    ~CSplashWindow() override;

    // Shows a new splash window.
    static void SplashWindow(unsigned int bitmapId, long seconds);
    // The library's own picture for 3 seconds.
    static void DefaultSplash();

    // Loads the bitmap, creates the window and starts its timer; true when the window
    // was created. After false the object has freed itself.
    virtual bool Splash(unsigned int bitmapId, long seconds);

    // The running timer, 0 when none runs.
    UINT_PTR GetTimer() const { return mTimer; }

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void Dismiss();

    CBitmap mBitmap;
    UINT_PTR mTimer;
};
