#pragma once
// Common controls as window objects: the slider (trackbar) and the IPv4 address control.
// Dialog templates that hold them are created after the framework has registered the
// common control classes, so DDX_Control can bind them like any standard control.
#include "afxwin.h"

class AFX_CORE_CLASS CSliderCtrl : public CWnd {
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    CSliderCtrl();
    ~CSliderCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetPos() const;
    void SetPos(int nPos);
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
    void GetRange(int& nMin, int& nMax) const;
    int GetRangeMin() const;
    int GetRangeMax() const;
    int GetPageSize() const;
    int SetPageSize(int nSize);
    int GetLineSize() const;
    int SetLineSize(int nSize);
    void SetTicFreq(int nFreq);
};

class AFX_CORE_CLASS CIPAddressCtrl : public CWnd {
    DECLARE_DYNAMIC(CIPAddressCtrl)
public:
    CIPAddressCtrl();
    ~CIPAddressCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The address with its first field in the most significant byte.
    void SetAddress(DWORD dwAddress);
    void SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3);
    // The number of fields that hold a value; blank fields read as 0.
    int GetAddress(DWORD& dwAddress) const;
    int GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const;
    void ClearAddress();
    BOOL IsBlank() const;
    void SetFieldFocus(WORD nField);
    void SetFieldRange(int nField, BYTE nLower, BYTE nUpper);
};

// The list-view family: list controls, headers, image lists and tool tips.
#include "afxlistctl.h"

// The tree-view control.
#include "afxtreectl.h"
