#pragma once
// Common controls as window objects: the slider (trackbar), the IPv4 address control, the
// tab control and the progress bar.
// Dialog templates that hold them are created after the framework has registered the
// common control classes, so DDX_Control can bind them like any standard control.
#include "afxwin.h"

// The trackbar as a window object. Positions, range and steps are the control's own: the
// object keeps nothing, so a slider made by a dialog template and bound with DDX_Control
// reads exactly what the user set.
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

// The IPv4 address control as a window object. An address travels as one 32-bit number in
// host order, first field in the top byte, which is how the library's address prompter
// stores it; a field the user left blank counts as 0 and is not counted by GetAddress.
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

// The tab control: a row of named tabs above a display area where the selected tab's page
// goes.
class AFX_CORE_CLASS CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl();
    ~CTabCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The index the tab went to, or -1.
    LONG InsertItem(int nItem, LPCSTR lpszItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    // -1 when no tab is selected; SetCurSel returns the tab selected before.
    int GetCurSel() const;
    int SetCurSel(int nItem);
    // bLarger FALSE turns the control's window rectangle into its display area (where a
    // tab's page goes); TRUE turns a display area into the window rectangle it needs.
    void AdjustRect(BOOL bLarger, LPRECT lpRect);
};

// The progress bar: a position within a range, which the control itself keeps the position
// inside.
class AFX_CORE_CLASS CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl();
    ~CProgressCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // 16-bit ends, as PBM_SETRANGE takes them.
    void SetRange(short nLower, short nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    // Returns the position before.
    int SetPos(int nPos);
    int GetPos() const;
};

// The list-view family: list controls, headers, image lists and tool tips.
#include "afxlistctl.h"

// The tree-view control.
#include "afxtreectl.h"
