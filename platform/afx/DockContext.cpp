#include "afxext.h"

namespace {

const UINT kSides[] = { AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT,
                        AFX_IDW_DOCKBAR_RIGHT };

DWORD SideOf(UINT nDockBarID)
{
    switch (nDockBarID) {
    case AFX_IDW_DOCKBAR_TOP: return CBRS_ALIGN_TOP;
    case AFX_IDW_DOCKBAR_BOTTOM: return CBRS_ALIGN_BOTTOM;
    case AFX_IDW_DOCKBAR_LEFT: return CBRS_ALIGN_LEFT;
    case AFX_IDW_DOCKBAR_RIGHT: return CBRS_ALIGN_RIGHT;
    default: return 0;
    }
}

// Moves rect the least so that it holds pt: the shape stays under the mouse.
void KeepUnder(CRect& rect, CPoint pt)
{
    const int dx = pt.x < rect.left ? pt.x - rect.left : pt.x >= rect.right ? pt.x - rect.right + 1 : 0;
    const int dy = pt.y < rect.top ? pt.y - rect.top : pt.y >= rect.bottom ? pt.y - rect.bottom + 1 : 0;
    rect.OffsetRect(dx, dy);
}

} // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_pBar(pBar), m_pDockSite(pBar->m_pDockSite), m_dwDockStyle(0), m_dwOverDockStyle(0),
      m_dwStyle(0), m_ptLast(0, 0), m_rectLast(0, 0, 0, 0), m_rectDragHorz(0, 0, 0, 0),
      m_rectDragVert(0, 0, 0, 0), m_rectFrameDragHorz(0, 0, 0, 0), m_rectFrameDragVert(0, 0, 0, 0),
      m_bDragging(FALSE), m_nHitTest(HTNOWHERE), m_uMRUDockID(0), m_rectMRUDockPos(0, 0, 0, 0),
      m_dwMRUFloatStyle(CBRS_ALIGN_TOP), m_ptMRUFloatPos(-1, -1), m_bShown(FALSE),
      m_pTargetDockBar(nullptr), m_rectShown(0, 0, 0, 0), m_nShownThickness(0),
      m_rectResizeStart(0, 0, 0, 0), m_ptResizeStart(0, 0)
{
}

CDockContext::~CDockContext()
{
    if (m_bShown)
        DrawFocusRect(TRUE);
}

void CDockContext::InitLoop()
{
    m_pDockSite = m_pBar->m_pDockSite;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->m_dwStyle;
    m_bShown = FALSE;
    m_pTargetDockBar = nullptr;
    m_dwOverDockStyle = 0;
    ::SetCapture(m_pBar->m_hWnd);
}

void CDockContext::StartDrag(CPoint pt)
{
    if (!m_pBar->m_hWnd || !m_pBar->m_pDockSite)
        return;
    InitLoop();
    m_bDragging = TRUE;
    m_ptLast = pt;
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    const CSize horz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
    const CSize vert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
    const CSize floating = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    m_rectDragHorz = CRect(rect.TopLeft(), horz);
    m_rectDragVert = CRect(rect.TopLeft(), vert);
    CRect frame(rect.TopLeft(), floating);
    if (m_pBar->IsFloating()) {
        // The frame it floats in already: its caption stays where it is.
        m_pBar->GetParentFrame()->GetWindowRect(&frame);
    } else {
        CMiniDockFrameWnd::CalcBorders(frame);
        frame.OffsetRect(rect.left - frame.left, rect.top - frame.top);
    }
    m_rectFrameDragHorz = m_rectFrameDragVert = frame;
    KeepUnder(m_rectDragHorz, pt);
    KeepUnder(m_rectDragVert, pt);
    KeepUnder(m_rectFrameDragHorz, pt);
    KeepUnder(m_rectFrameDragVert, pt);
    Move(pt);
    Track();
}

CDockBar* CDockContext::DockBarUnder(DWORD* pdwStyle) const
{
    *pdwStyle = 0;
    // Ctrl held: the bar floats wherever it is dropped.
    if (::GetKeyState(VK_CONTROL) < 0 || !m_pDockSite)
        return nullptr;
    const bool horzFirst = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    for (int pass = 0; pass < 2; ++pass) {
        const bool horz = (pass == 0) == horzFirst;
        const CRect& drag = horz ? m_rectDragHorz : m_rectDragVert;
        for (UINT id : kSides) {
            const DWORD side = SideOf(id);
            if (!(side & m_dwDockStyle) || ((side & CBRS_ORIENT_HORZ) != 0) != horz)
                continue;
            CDockBar* dockBar = m_pDockSite->GetDockBar(id);
            if (!dockBar || !(dockBar->GetStyle() & WS_VISIBLE))
                continue;
            CRect area;
            dockBar->GetWindowRect(&area);
            // An empty edge still catches a rectangle that touches it.
            if (area.Width() == 0)
                area.right++;
            if (area.Height() == 0)
                area.bottom++;
            CRect overlap;
            if (overlap.IntersectRect(&area, &drag)) {
                *pdwStyle = side;
                return dockBar;
            }
        }
    }
    return nullptr;
}

CRect CDockContext::GetDragRect() const
{
    if (!m_pTargetDockBar)
        return m_rectFrameDragHorz;
    return (m_dwOverDockStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
}

void CDockContext::Move(CPoint pt)
{
    const CPoint offset = pt - m_ptLast;
    m_ptLast = pt;
    m_rectDragHorz.OffsetRect(offset);
    m_rectDragVert.OffsetRect(offset);
    m_rectFrameDragHorz.OffsetRect(offset);
    m_rectFrameDragVert.OffsetRect(offset);
    m_pTargetDockBar = DockBarUnder(&m_dwOverDockStyle);
    m_rectLast = GetDragRect();
    DrawFocusRect();
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    HWND desktop = ::GetDesktopWindow();
    HDC dc = ::GetDCEx(desktop, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!dc)
        return;
    CDC* pDC = CDC::FromHandle(dc);
    // A thin frame where the bar would dock, a thick one where it would float.
    const int thickness = m_pTargetDockBar ? 1 : 3;
    const CRect rect = GetDragRect();
    const SIZE size = { thickness, thickness };
    const SIZE sizeLast = { m_nShownThickness, m_nShownThickness };
    pDC->DrawDragRect(bRemoveRect ? nullptr : &rect, size, m_bShown ? &m_rectShown : nullptr, sizeLast);
    m_bShown = !bRemoveRect;
    m_rectShown = rect;
    m_nShownThickness = thickness;
    ::ReleaseDC(desktop, dc);
}

void CDockContext::CancelDrag()
{
    DrawFocusRect(TRUE);
    m_bDragging = FALSE;
    m_nHitTest = HTNOWHERE;
    if (::GetCapture() == m_pBar->m_hWnd)
        ::ReleaseCapture();
}

void CDockContext::EndDrag()
{
    CancelDrag();
    if (m_pTargetDockBar) {
        const CRect rect = GetDragRect();
        m_pDockSite->DockControlBar(m_pBar, m_pTargetDockBar, &rect);
    } else {
        m_dwMRUFloatStyle = CBRS_ALIGN_TOP | (m_dwDockStyle & CBRS_FLOAT_MULTI);
        m_pDockSite->FloatControlBar(m_pBar, m_rectFrameDragHorz.TopLeft(), m_dwMRUFloatStyle);
    }
}

BOOL CDockContext::Track()
{
    HWND bar = m_pBar->m_hWnd;
    while (::GetCapture() == bar) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
            if (m_bDragging)
                EndDrag();
            else
                EndResize();
            return TRUE;
        case WM_MOUSEMOVE: {
            CPoint pt(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            ::ClientToScreen(msg.hwnd, &pt);
            if (m_bDragging)
                Move(pt);
            else
                Stretch(pt);
            break;
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.wParam == VK_ESCAPE) {
                CancelDrag();
                return FALSE;
            }
            // Ctrl changes the decision under a mouse that did not move.
            if (msg.wParam == VK_CONTROL && m_bDragging)
                Move(m_ptLast);
            break;
        case WM_RBUTTONDOWN:
            CancelDrag();
            return FALSE;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            break;
        }
    }
    CancelDrag();
    return FALSE;
}

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    CFrameWnd* frame = m_pBar->IsFloating() ? m_pBar->GetParentFrame() : nullptr;
    if (!frame || nHitTest < HTLEFT || nHitTest > HTBOTTOMRIGHT)
        return;
    InitLoop();
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    m_ptLast = m_ptResizeStart = pt;
    frame->GetWindowRect(&m_rectResizeStart);
    m_rectFrameDragHorz = m_rectResizeStart;
    m_pBar->GetWindowRect(&m_rectDragHorz);
    DrawFocusRect();
    Track();
}

void CDockContext::Stretch(CPoint pt)
{
    m_ptLast = pt;
    const CPoint move = pt - m_ptResizeStart;
    CRect frame = m_rectResizeStart;
    const bool left = m_nHitTest == HTLEFT || m_nHitTest == HTTOPLEFT || m_nHitTest == HTBOTTOMLEFT;
    const bool right = m_nHitTest == HTRIGHT || m_nHitTest == HTTOPRIGHT || m_nHitTest == HTBOTTOMRIGHT;
    const bool top = m_nHitTest == HTTOP || m_nHitTest == HTTOPLEFT || m_nHitTest == HTTOPRIGHT;
    const bool bottom = m_nHitTest == HTBOTTOM || m_nHitTest == HTBOTTOMLEFT || m_nHitTest == HTBOTTOMRIGHT;
    if (left)
        frame.left += move.x;
    if (right)
        frame.right += move.x;
    if (top)
        frame.top += move.y;
    if (bottom)
        frame.bottom += move.y;
    // The frame's own borders and caption stay as they are; the bar decides its size.
    const CSize borders = m_rectResizeStart.Size() - m_rectDragHorz.Size();
    CSize size;
    if ((left || right) && (top || bottom))
        size = m_pBar->CalcDynamicLayout(0, LM_HORZ);
    else if (left || right)
        size = m_pBar->CalcDynamicLayout(frame.Width() - borders.cx, LM_HORZ);
    else
        size = m_pBar->CalcDynamicLayout(frame.Height() - borders.cy, LM_HORZ | LM_LENGTHY);
    const CSize outer = size + borders;
    CRect rect = m_rectResizeStart;
    if (left)
        rect.left = rect.right - outer.cx;
    else
        rect.right = rect.left + outer.cx;
    if (top)
        rect.top = rect.bottom - outer.cy;
    else
        rect.bottom = rect.top + outer.cy;
    m_rectFrameDragHorz = rect;
    m_rectLast = rect;
    DrawFocusRect();
}

void CDockContext::EndResize()
{
    const int width = m_rectFrameDragHorz.Width() - (m_rectResizeStart.Width() - m_rectDragHorz.Width());
    const CPoint topLeft = m_rectFrameDragHorz.TopLeft();
    CancelDrag();
    m_pBar->CalcDynamicLayout(width, LM_HORZ | LM_COMMIT);
    if (CFrameWnd* frame = m_pBar->IsFloating() ? m_pBar->GetParentFrame() : nullptr) {
        frame->SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        frame->RecalcLayout();
    }
}

void CDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite)
        return;
    if (m_pBar->IsFloating()) {
        CDockBar* target = m_uMRUDockID ? m_pDockSite->GetDockBar(m_uMRUDockID) : nullptr;
        if (!target || !(SideOf(m_uMRUDockID) & m_pBar->m_dwDockStyle)) {
            target = nullptr;
            for (UINT id : kSides) {
                if ((SideOf(id) & m_pBar->m_dwDockStyle) && (target = m_pDockSite->GetDockBar(id)) != nullptr)
                    break;
            }
        }
        if (target)
            m_pDockSite->DockControlBar(m_pBar, target, m_rectMRUDockPos.IsRectEmpty() ? nullptr : &m_rectMRUDockPos);
        return;
    }
    CPoint pt = m_ptMRUFloatPos;
    if (pt == CPoint(-1, -1)) {
        CRect rect;
        m_pBar->GetWindowRect(&rect);
        pt = rect.TopLeft();
    }
    m_pDockSite->FloatControlBar(m_pBar, pt, m_dwMRUFloatStyle);
}
