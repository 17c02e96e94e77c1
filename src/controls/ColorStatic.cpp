#include "controls/ColorStatic.h"

// Defined here as well, so that the module exports them: a program that binds one to a
// reference (std::max, a test assertion) links against this definition.
constexpr COLORREF CColorStatic::kSystemColor;

BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CColorStatic::CColorStatic()
    : mTextColor(::GetSysColor(COLOR_BTNTEXT)),
      mTextBlinkColors{ mTextColor, mTextColor },
      mBkColor(::GetSysColor(COLOR_BTNFACE)),
      mBkBlinkColors{ mBkColor, mBkColor }
{
}

void CColorStatic::SetTextColor(COLORREF color)
{
    mTextColor = color == kSystemColor ? ::GetSysColor(COLOR_BTNTEXT) : color;
    Repaint();
}

void CColorStatic::SetBkColor(COLORREF color)
{
    mBkColor = color == kSystemColor ? ::GetSysColor(COLOR_BTNFACE) : color;
    mBkBrush.DeleteObject();
    Repaint();
}

void CColorStatic::SetBlinkTextColors(COLORREF first, COLORREF second)
{
    mTextBlinkColors[0] = first;
    mTextBlinkColors[1] = second;
    Repaint();
}

void CColorStatic::SetBlinkBkColors(COLORREF first, COLORREF second)
{
    mBkBlinkColors[0] = first;
    mBkBlinkColors[1] = second;
    mBkBlinkBrushes[0].DeleteObject();
    mBkBlinkBrushes[1].DeleteObject();
    Repaint();
}

void CColorStatic::StartTextBlink(int mode, unsigned int speed)
{
    StartBlink(mTextBlinkMode, mTextBlinkState, mode, speed);
}

void CColorStatic::StartBkBlink(int mode, unsigned int speed)
{
    StartBlink(mBkBlinkMode, mBkBlinkState, mode, speed);
}

void CColorStatic::StartBlink(int& blinkMode, int& blinkState, int mode, unsigned int speed)
{
    blinkState = 0;
    blinkMode = mode;
    if (mode == kBlinkOn) {
        mBlinkPeriod = PeriodOf(speed);
        StartTimer();
    } else if (!IsBlinking()) {
        StopTimer();
    }
    Repaint();
}

void CColorStatic::EnableNotify(CWnd* window, unsigned int message)
{
    mNotifyWindow = window;
    mNotifyMessage = message;
}

unsigned int CColorStatic::PeriodOf(unsigned int speed)
{
    switch (speed) {
    case 0: return 2000;
    case 1: return 1000;
    case 2: return 500;
    default: return speed;
    }
}

void CColorStatic::StartTimer()
{
    // Setting the timer again under the same id restarts it at the new period.
    if (m_hWnd)
        mBlinkTimer = SetTimer(kBlinkTimerId, mBlinkPeriod);
}

void CColorStatic::StopTimer()
{
    if (mBlinkTimer)
        KillTimer(kBlinkTimerId);
    mBlinkTimer = 0;
}

void CColorStatic::Repaint()
{
    if (m_hWnd)
        Invalidate();
}

CBrush* CColorStatic::BrushOf(CBrush& brush, COLORREF color)
{
    if (!brush.m_hObject)
        brush.CreateSolidBrush(color);
    return &brush;
}

void CColorStatic::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    if (IsBlinking())
        StartTimer();
}

HBRUSH CColorStatic::CtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(mTextBlinkMode == kBlinkOn ? mTextBlinkColors[mTextBlinkState] : GetTextColor());
    if (mBkBlinkMode == kBlinkOn) {
        pDC->SetBkColor(mBkBlinkColors[mBkBlinkState]);
        return *BrushOf(mBkBlinkBrushes[mBkBlinkState], mBkBlinkColors[mBkBlinkState]);
    }
    pDC->SetBkColor(mBkColor);
    return *BrushOf(mBkBrush, mBkColor);
}

void CColorStatic::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kBlinkTimerId) {
        CStatic::OnTimer(nIDEvent);
        return;
    }
    if (mTextBlinkMode == kBlinkOn)
        mTextBlinkState = 1 - mTextBlinkState;
    if (mBkBlinkMode == kBlinkOn)
        mBkBlinkState = 1 - mBkBlinkState;
    if (!IsBlinking())
        return;
    Repaint();
    // A kind that does not blink keeps its state at 0.
    const bool turnedOn = mTextBlinkState == 1 || mBkBlinkState == 1;
    if (turnedOn && mNotifyWindow->GetSafeHwnd())
        ::PostMessageA(mNotifyWindow->m_hWnd, mNotifyMessage, static_cast<WPARAM>(GetDlgCtrlID()), 0);
}

void CColorStatic::OnDestroy()
{
    StopTimer();
    mBkBrush.DeleteObject();
    mBkBlinkBrushes[0].DeleteObject();
    mBkBlinkBrushes[1].DeleteObject();
    CStatic::OnDestroy();
}
