#pragma once
// The list-view family of common controls: image lists, the header control, tool tips and
// the list control, each a thin wrapper of its Windows control.
//
// Choices of this framework:
// - Item data is pointer-sized (DWORD_PTR) everywhere, so that a list may carry pointers
//   in 64-bit builds.
// - Image lists, like windows and menus, have permanent objects (attached by their owner)
//   and temporary ones made by FromHandle that live until the thread next idles.
// - Tool tips of windows that call EnableToolTips share one tool-tip control per thread.
//   CWinThread::PreTranslateMessage hands mouse messages to the nearest window with tool
//   tips enabled; that window's OnToolHitTest names the tool under the mouse, and the tool
//   tip asks the window for the text (TTN_NEEDTEXTA/W) when it shows. The notification's
//   control id is the tool tip's own (0), its idFrom the tool id, as MFC delivers them.
// - A list control in owner-draw mode draws its items in DrawItem, which the parent's
//   WM_DRAWITEM reaches through reflection.
#include "afxgdi.h"
#include "afxstdctl.h"
#include "afxwin.h"

#include <commctrl.h>

// An image list. The object destroys the list it holds unless it was detached; controls
// that show a list do not own it, so the owner keeps it alive while they do.
class AFX_CORE_CLASS CImageList : public CObject {
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList();
    // Destroys the image list it holds, unless detached.
    ~CImageList() override;

    HIMAGELIST m_hImageList;
    HIMAGELIST GetSafeHandle() const { return this ? m_hImageList : nullptr; }
    operator HIMAGELIST() const { return GetSafeHandle(); }

    static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
    static CImageList* PASCAL FromHandlePermanent(HIMAGELIST hImageList);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // From a bitmap resource of the resource chain; images cx wide, masked by crMask.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    // One image made of image nImage1 with image nImage2 drawn over it at dx, dy.
    BOOL Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2,
                int dx, int dy);
    BOOL DeleteImageList();

    int GetImageCount() const;
    BOOL SetImageCount(UINT uNewCount);
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    BOOL GetIconSize(int& cx, int& cy) const;
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;

    // Each returns the index of the first image added, or -1.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon);
    HICON ExtractIcon(int nImage);
    BOOL SetOverlayImage(int nImage, int nOverlay);
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    BOOL Copy(int iDst, int iSrc, UINT uFlags = ILCF_MOVE);
};

// The header control of a list view, or one of its own: columns, their order and widths.
class AFX_CORE_CLASS CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl();
    ~CHeaderCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const;
    BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const;
    BOOL SetItem(int nPos, HDITEMA* pHeaderItem);
    int InsertItem(int nPos, HDITEMA* phdi);
    BOOL DeleteItem(int nPos);
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL Layout(HDLAYOUT* pHeaderLayout);
    int HitTest(HDHITTESTINFO* pHeaderHitTestInfo);
    int OrderToIndex(int nOrder) const;
    BOOL GetOrderArray(LPINT piArray, int iCount) const;
    BOOL SetOrderArray(int iCount, LPINT piArray);
    int SetHotDivider(CPoint pt);
    int SetHotDivider(int nIndex);
    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* pImageList);
    CImageList* CreateDragImage(int nIndex);
};

// A tool-tip control owned by a window. Tools are windows or rectangles of a window; their
// text is given, or asked for with LPSTR_TEXTCALLBACK when the tip shows.
class AFX_CORE_CLASS CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl();
    ~CToolTipCtrl() override;

    // A tool tip owned by pParentWnd (its top-level window shows it).
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    void Activate(BOOL bActivate);
    // A tool of pWnd: the window itself (nIDTool 0, no rectangle), or the rectangle of pWnd
    // with the id nIDTool. The text may be LPSTR_TEXTCALLBACK.
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    BOOL AddTool(TOOLINFOA* pToolInfo);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void DelTool(TOOLINFOA* pToolInfo);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    BOOL GetToolInfo(TOOLINFOA& toolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(TOOLINFOA* pToolInfo);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    int GetToolCount() const;
    BOOL HitTest(CWnd* pWnd, CPoint pt, TOOLINFOA* pToolInfo) const;
    void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void RelayEvent(LPMSG lpMsg);
    void SetDelayTime(UINT nDelay);
    void SetDelayTime(DWORD dwDuration, int iTime);
    int GetDelayTime(DWORD dwDuration) const;
    int SetMaxTipWidth(int iWidth);
    int GetMaxTipWidth() const;
    void SetTipBkColor(COLORREF clr);
    void SetTipTextColor(COLORREF clr);
    void Pop();
    void Update();

protected:
    void FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};

// The list view as a window object, with pointer-sized item data (see afxlistctl.h). The library's
// object list and report controls derive from it.
class AFX_CORE_CLASS CListCtrl : public CWnd {
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl();
    ~CListCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    using CWnd::CreateEx;

    // Attributes
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF cr);
    COLORREF GetTextColor() const;
    BOOL SetTextColor(COLORREF cr);
    COLORREF GetTextBkColor() const;
    BOOL SetTextBkColor(COLORREF cr);
    CImageList* GetImageList(int nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    CHeaderCtrl* GetHeaderCtrl() const;
    CToolTipCtrl* GetToolTips() const;
    CToolTipCtrl* SetToolTips(CToolTipCtrl* pTip);
    // The label editor while a label is being edited, or null.
    CEdit* GetEditControl() const;

    int GetItemCount() const;
    BOOL SetItemCount(int nItems);
    // For owner-data lists: LVSICF_NOINVALIDATEALL, LVSICF_NOSCROLL.
    BOOL SetItemCountEx(int iCount, DWORD dwFlags = LVSICF_NOINVALIDATEALL);
    BOOL GetItem(LVITEMA* pItem) const;
    BOOL SetItem(const LVITEMA* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL SetItemState(int nItem, LVITEMA* pItem);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetCallbackMask() const;
    BOOL SetCallbackMask(UINT nMask);
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    int GetSelectionMark() const;
    int SetSelectionMark(int iIndex);
    int GetHotItem() const;
    int SetHotItem(int iIndex);
    // Check boxes are state images 1 (unchecked) and 2 (checked).
    BOOL GetCheck(int nItem) const;
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE);

    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
    BOOL GetItemPosition(int nItem, LPPOINT lpPoint) const;
    BOOL SetItemPosition(int nItem, POINT pt);
    BOOL GetViewRect(LPRECT lpRect) const;
    BOOL GetOrigin(LPPOINT lpPoint) const;
    int GetTopIndex() const;
    int GetCountPerPage() const;
    int GetStringWidth(LPCSTR lpsz) const;
    CSize ApproximateViewRect(CSize sz = CSize(-1, -1), int iCount = -1) const;
    CSize SetIconSpacing(int cx, int cy);

    BOOL GetColumn(int nCol, LVCOLUMNA* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMNA* pColumn);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1) const;
    BOOL SetColumnOrderArray(int iCount, LPINT piArray);

    // Operations
    int InsertItem(const LVITEMA* pItem);
    int InsertItem(int nItem, LPCSTR lpszItem);
    int InsertItem(int nItem, LPCSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int InsertColumn(int nCol, const LVCOLUMNA* pColumn);
    // A width or sub-item of -1 is not set.
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);

    int FindItem(LVFINDINFOA* pFindInfo, int nStart = -1) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    // Row and column under a point: the row, or -1; pInfo->iSubItem the column.
    int SubItemHitTest(LVHITTESTINFO* pInfo);
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    BOOL Scroll(CSize size);
    BOOL RedrawItems(int nFirst, int nLast);
    BOOL Update(int nItem);
    BOOL Arrange(UINT nCode);
    CEdit* EditLabel(int nItem);
    CImageList* CreateDragImage(int nItem, LPPOINT lpPoint);
    // Sorts through a comparison of item data (LVM_SORTITEMS).
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);
    // Sorts through a comparison of item indexes (LVM_SORTITEMSEX).
    BOOL SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);

    // Draws one item of an owner-drawn list (LVS_OWNERDRAWFIXED); the default draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    // An item description for LVM_INSERTITEM, LVM_SETITEM and their kind.
    static LVITEMA MakeItem(UINT nMask, int nItem, int nSubItem, LPCSTR lpszItem, int nImage,
                            UINT nState, UINT nStateMask, LPARAM lParam);

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()
};

// Reflected list-view notifications, handled by the list control itself:
// void handler(NMHDR*, LRESULT*).
#define ON_LVN_ITEMCHANGING_REFLECT(memberFxn) ON_NOTIFY_REFLECT(LVN_ITEMCHANGING, memberFxn)
#define ON_LVN_ITEMCHANGED_REFLECT(memberFxn) ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, memberFxn)
#define ON_LVN_COLUMNCLICK_REFLECT(memberFxn) ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, memberFxn)
#define ON_LVN_BEGINLABELEDIT_REFLECT(memberFxn) ON_NOTIFY_REFLECT(LVN_BEGINLABELEDITA, memberFxn)
#define ON_LVN_ENDLABELEDIT_REFLECT(memberFxn) ON_NOTIFY_REFLECT(LVN_ENDLABELEDITA, memberFxn)
#define ON_LVN_GETDISPINFO_REFLECT(memberFxn) ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, memberFxn)
#define ON_LVN_DELETEITEM_REFLECT(memberFxn) ON_NOTIFY_REFLECT(LVN_DELETEITEM, memberFxn)
#define ON_LVN_KEYDOWN_REFLECT(memberFxn) ON_NOTIFY_REFLECT(LVN_KEYDOWN, memberFxn)
#define ON_NM_CUSTOMDRAW_REFLECT(memberFxn) ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, memberFxn)
#define ON_NM_CLICK_REFLECT(memberFxn) ON_NOTIFY_REFLECT(NM_CLICK, memberFxn)
#define ON_NM_DBLCLK_REFLECT(memberFxn) ON_NOTIFY_REFLECT(NM_DBLCLK, memberFxn)
// Tool-tip text requests of the window's own tool tips, for tool ids of any size:
// BOOL handler(UINT id, NMHDR*, LRESULT*).
#define ON_TTN_NEEDTEXT(memberFxn) \
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, memberFxn) \
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, memberFxn)
