#include "afxext.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

namespace {

// The extent of a rectangle along (bAlong) or across a horizontal or vertical edge.
int Along(const CRect& rect, BOOL bHorz)
{
    return bHorz ? rect.Width() : rect.Height();
}

int StartAcross(const CRect& rect, BOOL bHorz)
{
    return bHorz ? rect.top : rect.left;
}

int StartAlong(const CRect& rect, BOOL bHorz)
{
    return bHorz ? rect.left : rect.top;
}

} // namespace

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating), m_rectLayout(0, 0, 0, 0) {}

CDockBar::~CDockBar()
{
    for (INT_PTR i = 0; i < m_rows.GetSize(); ++i)
        delete static_cast<CPtrArray*>(m_rows[i]);
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    LPCSTR className = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const DWORD windowStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CreateEx(0, className, nullptr, windowStyle, 0, 0, 0, 0, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

CPtrArray* CDockBar::RowOf(CControlBar* pBar, int* pIndex) const
{
    for (INT_PTR r = 0; r < m_rows.GetSize(); ++r) {
        auto* row = static_cast<CPtrArray*>(m_rows[r]);
        for (INT_PTR i = 0; i < row->GetSize(); ++i) {
            if (row->GetAt(i) == pBar) {
                if (pIndex)
                    *pIndex = static_cast<int>(i);
                return row;
            }
        }
    }
    return nullptr;
}

int CDockBar::GetBarCount(int nRow) const
{
    if (nRow < 0 || nRow >= GetRowCount())
        return 0;
    return static_cast<int>(static_cast<CPtrArray*>(m_rows[nRow])->GetSize());
}

CControlBar* CDockBar::GetBar(int nRow, int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetBarCount(nRow))
        return nullptr;
    return static_cast<CControlBar*>(static_cast<CPtrArray*>(m_rows[nRow])->GetAt(nIndex));
}

CControlBar* CDockBar::GetFirstBar() const
{
    return GetBar(0, 0);
}

int CDockBar::GetDockedCount() const
{
    int count = 0;
    for (int r = 0; r < GetRowCount(); ++r)
        count += GetBarCount(r);
    return count;
}

int CDockBar::GetDockedVisibleCount() const
{
    int count = 0;
    for (int r = 0; r < GetRowCount(); ++r)
        for (int i = 0; i < GetBarCount(r); ++i)
            count += GetBar(r, i)->IsVisible() ? 1 : 0;
    return count;
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    if (pBar->m_pDockBar)
        pBar->m_pDockBar->RemoveControlBar(pBar);

    const BOOL horz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || m_bFloating;
    CPtrArray* row = nullptr;
    INT_PTR rowIndex = m_rows.GetSize();
    CRect drop;
    if (lpRect && !m_bFloating) {
        drop = *lpRect;
        ScreenToClient(&drop);
        const int centre = horz ? drop.CenterPoint().y : drop.CenterPoint().x;
        for (INT_PTR r = 0; r < m_rows.GetSize() && !row; ++r) {
            auto* candidate = static_cast<CPtrArray*>(m_rows[r]);
            CRect band;
            static_cast<CControlBar*>(candidate->GetAt(0))->GetWindowRect(&band);
            ScreenToClient(&band);
            const int first = StartAcross(band, horz);
            const int last = first + (horz ? band.Height() : band.Width());
            if (centre < first) {
                rowIndex = r;
                break;
            }
            if (centre < last)
                row = candidate;
        }
    }
    if (row) {
        // Joins the row in the order of the bars' positions along the edge.
        INT_PTR at = row->GetSize();
        for (INT_PTR i = 0; i < row->GetSize(); ++i) {
            CRect rect;
            static_cast<CControlBar*>(row->GetAt(i))->GetWindowRect(&rect);
            ScreenToClient(&rect);
            if (StartAlong(drop, horz) < StartAlong(rect, horz)) {
                at = i;
                break;
            }
        }
        row->InsertAt(at, pBar);
    } else {
        row = new CPtrArray;
        row->Add(pBar);
        m_rows.InsertAt(rowIndex, static_cast<void*>(row));
    }

    if (::GetParent(pBar->m_hWnd) != m_hWnd)
        ::SetParent(pBar->m_hWnd, m_hWnd);
    pBar->m_pDockBar = this;
    DWORD style = pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING);
    style |= m_bFloating ? (CBRS_FLOATING | (pBar->m_dwStyle & CBRS_ALIGN_ANY ? pBar->m_dwStyle & CBRS_ALIGN_ANY
                                                                                : CBRS_ALIGN_TOP))
                         : (m_dwStyle & CBRS_ALIGN_ANY);
    pBar->SetBarStyle(style);
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar)
{
    int index = 0;
    CPtrArray* row = RowOf(pBar, &index);
    if (!row)
        return FALSE;
    row->RemoveAt(index);
    if (row->GetSize() == 0) {
        for (INT_PTR r = 0; r < m_rows.GetSize(); ++r) {
            if (m_rows[r] == row) {
                m_rows.RemoveAt(r);
                break;
            }
        }
        delete row;
    }
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    if (m_bFloating && GetDockedCount() == 0 && m_hWnd)
        ::PostMessageA(::GetParent(m_hWnd), WM_DESTROYIFEMPTY, 0, 0);
    return TRUE;
}

int CDockBar::PlaceBars(int nLength, BOOL bHorz)
{
    int depth = 0;
    for (int r = 0; r < GetRowCount(); ++r) {
        int along = 0;
        int rowDepth = 0;
        for (int i = 0; i < GetBarCount(r); ++i) {
            CControlBar* bar = GetBar(r, i);
            if (!bar->IsVisible())
                continue;
            CSize size = bar->CalcDynamicLayout(-1, bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
            // A bar never reaches past the end of its edge.
            int length = std::max(0, std::min(static_cast<int>(bHorz ? size.cx : size.cy), nLength - along));
            const int across = bHorz ? size.cy : size.cx;
            CRect rect = bHorz ? CRect(along, depth, along + length, depth + across)
                               : CRect(depth, along, depth + across, along + length);
            CRect now;
            bar->GetWindowRect(&now);
            ScreenToClient(&now);
            if (now != rect)
                bar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE);
            along += length;
            rowDepth = std::max(rowDepth, across);
        }
        depth += rowDepth;
    }
    return depth;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (m_bFloating) {
        CControlBar* bar = GetFirstBar();
        if (!bar)
            return CSize(0, 0);
        CRect rect;
        bar->GetWindowRect(&rect);
        return rect.Size();
    }
    int length = Along(m_rectLayout, bHorz);
    if (m_rectLayout.IsRectEmpty() && GetParent()) {
        CRect client;
        GetParent()->GetClientRect(&client);
        length = Along(client, bHorz);
    }
    // The bars measure themselves against the edge they sit on: it gets its new length
    // before they are asked.
    CRect now;
    GetWindowRect(&now);
    if (Along(now, bHorz) != length)
        SetWindowPos(nullptr, 0, 0, bHorz ? length : now.Width(), bHorz ? now.Height() : length,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int depth = PlaceBars(length, bHorz);
    if (bHorz)
        return CSize(bStretch ? 32767 : length, depth);
    return CSize(depth, bStretch ? 32767 : length);
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    m_rectLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam)->rect;
    return CControlBar::OnSizeParent(wParam, lParam);
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CDockBar::DoPaint(CDC*) {}
