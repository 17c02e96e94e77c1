#pragma once
#include "afxwin.h"

// Keeps a window from redrawing while much of it changes (WM_SETREDRAW), and redraws it
// once when the guard goes. A list-view that redraws after each row it gets takes minutes
// for 100,000 rows under some systems.
//
// Only a window that is visible by its style is touched: turning redrawing back on makes
// a window visible, and a window made invisible by its owner (or whose redrawing its owner
// turned off, which hides it) stays as it is.
class AFX_EXT_CLASS StNoRedraw {
public:
    explicit StNoRedraw(CWnd& window);
    ~StNoRedraw();
    StNoRedraw(const StNoRedraw&) = delete;
    StNoRedraw& operator=(const StNoRedraw&) = delete;

private:
    CWnd& mWindow;
    bool mStopped;
};
