#pragma once
#include "afxcmn.h"
#include "tnwwndut.h"

// What every progress display shows of a progress action, on the controls of its
// template: two levels (the job and its current detail step), each a text, a bar, the
// time passed and, once there is one per cent to estimate from, the time left. The
// progress dialog and the progress panel bind the same controls and redraw them the same
// way; this class is that shared part.
//
// The detail controls are hidden while the action has no detail step.
class AFX_EXT_CLASS CProgressControls {
public:
    // Below one per cent an estimate of the time left says nothing yet.
    static constexpr double kEstimateFrom = 0.01;

    void Exchange(CDataExchange* pDX);
    // Empty texts, bars of 0 to 100, the detail hidden.
    void Initialize();
    // Reads each value of the action once and shows it; nothing without an action.
    void Update(CWindowsProgressAction* action);

    // A progress as the bar's whole per cent, rounded to the nearest.
    static int ToPercent(double progress);
    // "Estimated time left: " and the estimate, or empty below kEstimateFrom.
    static CString TimeLeft(double progress, double estimate);

private:
    void ClearDetail();

    CStatic mDetailTimeLeft;
    CStatic mTimeLeft;
    CStatic mDetailElapsed;
    CStatic mElapsed;
    CProgressCtrl mDetailBar;
    CStatic mDetailText;
    CProgressCtrl mBar;
    CStatic mText;
};
