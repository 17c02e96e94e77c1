#include "dialogs/PlainFrame.h"

IMPLEMENT_DYNCREATE(CPlainFrame, CFrameWnd)

CPlainFrame::CPlainFrame() = default;
CPlainFrame::~CPlainFrame() = default;

BOOL CPlainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style = (cs.style | WS_CLIPCHILDREN) & ~WS_BORDER;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return CFrameWnd::PreCreateWindow(cs);
}
