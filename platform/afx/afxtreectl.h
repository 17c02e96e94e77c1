#pragma once
// The tree-view common control as a window object.
//
// Choices of this framework:
// - Item data is pointer-sized (DWORD_PTR), as in the list control.
// - Texts are ANSI; the control is created from the ANSI class, so that its notifications
//   (TVN_SELCHANGEDA, TVN_ENDLABELEDITA ...) carry ANSI texts.
// - A tree control does not own the image lists it is given: the owner keeps them alive
//   while the control shows them and takes them back before destroying them.
#include "afxlistctl.h"
#include "afxwin.h"

#include <commctrl.h>

class AFX_CORE_CLASS CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl();
    ~CTreeCtrl() override;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    using CWnd::CreateEx;

    // Attributes
    UINT GetCount() const;
    UINT GetVisibleCount() const;
    UINT GetIndent() const;
    void SetIndent(UINT nIndent);
    CImageList* GetImageList(UINT nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    // The label editor while a label is being edited, or null.
    CEdit* GetEditControl() const;

    // Navigation: TVGN_ROOT, TVGN_NEXT, TVGN_PREVIOUS, TVGN_PARENT, TVGN_CHILD,
    // TVGN_FIRSTVISIBLE, TVGN_NEXTVISIBLE, TVGN_PREVIOUSVISIBLE, TVGN_DROPHILITE, TVGN_CARET.
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const;
    HTREEITEM GetSelectedItem() const;
    HTREEITEM GetDropHilightItem() const;
    HTREEITEM GetRootItem() const;
    BOOL ItemHasChildren(HTREEITEM hItem) const;

    BOOL GetItem(TVITEMA* pItem) const;
    BOOL SetItem(TVITEMA* pItem);
    BOOL SetItem(HTREEITEM hItem, UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage,
                 UINT nState, UINT nStateMask, LPARAM lParam);
    // Texts of any length; empty for an unknown item.
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCSTR lpszItem);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    // The whole row (bTextOnly FALSE) or the label only, in client coordinates.
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;

    // Operations
    HTREEITEM InsertItem(LPTVINSERTSTRUCTA lpInsertStruct);
    HTREEITEM InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                         UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    // Deletes the item and every item below it.
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();
    // TVE_EXPAND, TVE_COLLAPSE, TVE_TOGGLE.
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    // TVGN_CARET, TVGN_DROPHILITE or TVGN_FIRSTVISIBLE.
    BOOL Select(HTREEITEM hItem, UINT nCode);
    BOOL SelectItem(HTREEITEM hItem);
    BOOL SelectDropTarget(HTREEITEM hItem);
    BOOL EnsureVisible(HTREEITEM hItem);
    BOOL SortChildren(HTREEITEM hItem);
    CEdit* EditLabel(HTREEITEM hItem);
    // Ends the label edit now: saved, or with fCancelWithoutSave dropped.
    BOOL EndEditLabelNow(BOOL fCancelWithoutSave);
    // The item under a point of the client area, or null; pFlags receives TVHT_xxx.
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const;

protected:
    DECLARE_MESSAGE_MAP()
};

// Reflected tree-view notifications, handled by the tree control itself:
// void handler(NMHDR*, LRESULT*).
#define ON_TVN_SELCHANGED_REFLECT(memberFxn) ON_NOTIFY_REFLECT(TVN_SELCHANGEDA, memberFxn)
#define ON_TVN_BEGINLABELEDIT_REFLECT(memberFxn) ON_NOTIFY_REFLECT(TVN_BEGINLABELEDITA, memberFxn)
#define ON_TVN_ENDLABELEDIT_REFLECT(memberFxn) ON_NOTIFY_REFLECT(TVN_ENDLABELEDITA, memberFxn)
#define ON_TVN_BEGINDRAG_REFLECT(memberFxn) ON_NOTIFY_REFLECT(TVN_BEGINDRAGA, memberFxn)
#define ON_TVN_ITEMEXPANDED_REFLECT(memberFxn) ON_NOTIFY_REFLECT(TVN_ITEMEXPANDEDA, memberFxn)
