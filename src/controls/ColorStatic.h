#pragma once
#include "afxwin.h"

// A static text with colours of its own that can make its text or its background blink.
//
// Blinking alternates between two blink colours: the first is shown from the start, the
// second on every other tick. Text and background blinking share the static's one window
// timer (id 1): starting either kind restarts the timer for both at the new speed. Each
// tick toggles the state of every kind that blinks, repaints, and, when a window to notify
// is set, posts it the notify message (wParam the static's control id, lParam 0) on the
// ticks that turn a state on - every second tick.
//
// The colours reach the static through its parent's WM_CTLCOLORSTATIC, which the
// framework reflects to it: the parent must be a framework window (a CWnd or a dialog).
//
// Decisions of this library:
// - SetBlinkTextColors chooses the two text blink colours, as SetBlinkBkColors does for
//   the background; without it blinking text could only alternate the button-text colour
//   with itself.
// - Stopping one kind of blinking (a mode other than kBlinkOn) leaves the other kind
//   blinking at its speed; the shared timer stops only when neither kind blinks.
// - Starting or stopping a kind repaints at once, so that a stopped kind never stays in
//   its second blink colour.
// - Blinking asked for before the static has a window starts when it gets one (created or
//   subclassed).
class AFX_EXT_CLASS CColorStatic : public CStatic {
public:
    enum { kBlinkOff = 0, kBlinkOn = 1 };
    enum { kBlinkTimerId = 1 };
    // The colour value that selects the system's colour in SetTextColor and SetBkColor.
    static constexpr COLORREF kSystemColor = 0xFFFFFFFF;

    CColorStatic();

    void SetTextColor(COLORREF color);
    virtual COLORREF GetTextColor() const { return mTextColor; }
    void SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return mBkColor; }
    void SetBlinkTextColors(COLORREF first, COLORREF second);
    void SetBlinkBkColors(COLORREF first, COLORREF second);

    // speed 0 blinks every 2000 ms, 1 every 1000 ms, 2 every 500 ms; any other value is
    // the period in milliseconds.
    void StartTextBlink(int mode, unsigned int speed);
    void StartBkBlink(int mode, unsigned int speed);

    // The window that hears of the ticks that turn a state on, and the message it gets
    // (WM_USER unless chosen).
    void EnableNotify(CWnd* window, unsigned int message);

    static int GetVersionI() { return 10; }
    static const char* GetVersionC() { return "1.0"; }

protected:
    void PreSubclassWindow() override;

    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    bool IsBlinking() const { return mTextBlinkMode == kBlinkOn || mBkBlinkMode == kBlinkOn; }
    void StartBlink(int& blinkMode, int& blinkState, int mode, unsigned int speed);
    // Starts the shared timer anew at the current period, when there is a window.
    void StartTimer();
    void StopTimer();
    void Repaint();
    static unsigned int PeriodOf(unsigned int speed);
    // The brush of a colour, made when first needed.
    static CBrush* BrushOf(CBrush& brush, COLORREF color);

    UINT_PTR mBlinkTimer = 0;
    COLORREF mTextColor;
    COLORREF mTextBlinkColors[2];
    int mTextBlinkMode = kBlinkOff;
    int mTextBlinkState = 0;
    COLORREF mBkColor;
    COLORREF mBkBlinkColors[2];
    int mBkBlinkMode = kBlinkOff;
    int mBkBlinkState = 0;
    CBrush mBkBrush;
    CBrush mBkBlinkBrushes[2];
    CWnd* mNotifyWindow = nullptr;
    unsigned int mNotifyMessage = WM_USER;
    unsigned int mBlinkPeriod = 0;
};
