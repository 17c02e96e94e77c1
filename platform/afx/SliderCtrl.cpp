#include "afxcmn.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

CSliderCtrl::CSliderCtrl() = default;
CSliderCtrl::~CSliderCtrl() = default;

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(TRACKBAR_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CSliderCtrl::GetPos() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETPOS, 0, 0));
}

void CSliderCtrl::SetPos(int nPos)
{
    ::SendMessageA(m_hWnd, TBM_SETPOS, TRUE, nPos);
}

void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw)
{
    // Separate messages: TBM_SETRANGE packs both ends into 16 bits each.
    ::SendMessageA(m_hWnd, TBM_SETRANGEMIN, FALSE, nMin);
    ::SendMessageA(m_hWnd, TBM_SETRANGEMAX, bRedraw, nMax);
}

void CSliderCtrl::GetRange(int& nMin, int& nMax) const
{
    nMin = GetRangeMin();
    nMax = GetRangeMax();
}

int CSliderCtrl::GetRangeMin() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETRANGEMIN, 0, 0));
}

int CSliderCtrl::GetRangeMax() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETRANGEMAX, 0, 0));
}

int CSliderCtrl::GetPageSize() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETPAGESIZE, 0, 0));
}

int CSliderCtrl::SetPageSize(int nSize)
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_SETPAGESIZE, 0, nSize));
}

int CSliderCtrl::GetLineSize() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_GETLINESIZE, 0, 0));
}

int CSliderCtrl::SetLineSize(int nSize)
{
    return static_cast<int>(::SendMessageA(m_hWnd, TBM_SETLINESIZE, 0, nSize));
}

void CSliderCtrl::SetTicFreq(int nFreq)
{
    ::SendMessageA(m_hWnd, TBM_SETTICFREQ, static_cast<WPARAM>(nFreq), 0);
}
