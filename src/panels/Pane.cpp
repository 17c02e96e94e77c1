#include "panels/Pane.h"

CPane::CPane() = default;

BOOL CPane::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= WS_CLIPCHILDREN;
    return CWnd::PreCreateWindow(cs);
}
