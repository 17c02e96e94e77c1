#pragma once
#include "afxwin.h"

// A frame without border or sunken edge that clips its children: the base of windows
// that draw all of their face themselves, such as the splash window and the task-bar
// frame. Frames free themselves when destroyed, so a plain frame is made with new (or
// through CreateObject).
class AFX_EXT_CLASS CPlainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CPlainFrame)
public:
    CPlainFrame();
    ~CPlainFrame() override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
};
