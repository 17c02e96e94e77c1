#include "afxwin.h"

#include <cstdlib>
#include <limits>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(nullptr),
      m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    m_hWndLastControl = control;
    m_bEditLastControl = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw AFX_DDX_FAILURE();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd)
        return;
    HWND control = pDX->PrepareCtrl(nIDC);
    if (!control || !rControl.SubclassWindow(control))
        pDX->Fail();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        CWnd::FromHandle(control)->GetWindowText(value);
    else
        ::SetWindowTextA(control, value);
}

namespace {

// Reads a whole number from a control; anything else is reported to the user and ends the
// exchange.
long long ReadNumber(CDataExchange* pDX, HWND control, long long lowest, long long highest)
{
    CString text;
    CWnd::FromHandle(control)->GetWindowText(text);
    text.TrimLeft();
    text.TrimRight();
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (text.IsEmpty() || *end != 0 || value < lowest || value > highest) {
        AfxMessageBox("Please enter an integer.", MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    return value;
}

template <class TNumber>
void ExchangeNumber(CDataExchange* pDX, int nIDC, TNumber& value)
{
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<TNumber>(ReadNumber(pDX, control, std::numeric_limits<TNumber>::min(),
                                                std::numeric_limits<TNumber>::max()));
    } else {
        CString text;
        text.Format("%lld", static_cast<long long>(value));
        ::SetWindowTextA(control, text);
    }
}

} // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeNumber(pDX, nIDC, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeNumber(pDX, nIDC, value);
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}
