#pragma once
// OLE drag and drop: data a drag offers (COleDataSource, with the COleDropSource that
// follows the mouse), data a drop target receives (COleDataObject), and windows that accept
// drops (COleDropTarget).
//
// Choices of this framework:
// - OLE must be initialised on the user-interface thread (AfxOleInit) before a window is
//   registered as a drop target or a drag starts. AfxOleInit initialises it once per thread;
//   AfxOleTerm gives that back.
// - The classes answer only for the interfaces they implement: GetInterface(&IID_IDataObject)
//   of a data source, GetInterface(&IID_IDropTarget) of a drop target, without adding a
//   reference (as the framework's interface maps do).
// - A data source owns the global memory it caches. It hands every reader a copy, so that
//   the data stays valid for all readers and the source frees its own blocks when it (and
//   every OLE reference to its data) is gone. An IDataObject reference taken from a source
//   stays valid after the source object is destroyed.
// - DoDragDrop starts a drag only while a mouse button is down. With a start rectangle (in
//   screen coordinates), the
//   drag begins once the mouse leaves it (or the drag delay passes) and is abandoned if the
//   button comes up first; without one it begins at once, for callers that have seen the
//   mouse move already (a list or tree view's own drag detection).
// - A drop target hands OnDrop (or OnDropEx) the effect of its last OnDragEnter/OnDragOver,
//   limited to the effects the source allows. Points are in the window's client coordinates.
// - A registered drop target is revoked by Revoke, by its destructor, or by its owner when
//   the window goes; the window keeps a reference to it until then.
#include "afxwin.h"

#include <ole2.h>

typedef DWORD DROPEFFECT;

AFX_CORE_CLASS BOOL AFXAPI AfxOleInit();
AFX_CORE_CLASS void AFXAPI AfxOleTerm(BOOL bJustRevoke = FALSE);

// Data received by a drop target (or read from any IDataObject).
class AFX_CORE_CLASS COleDataObject {
public:
    COleDataObject();
    ~COleDataObject();
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // With bAutoRelease the object releases the interface when it is released or destroyed.
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();

    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);
    // A global memory block that the caller owns and frees, or null.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);

protected:
    LPDATAOBJECT m_lpDataObject;
    BOOL m_bAutoRelease;
};

// Follows the mouse during a drag: when it starts, whether it goes on, and the cursor.
class AFX_CORE_CLASS COleDropSource : public CCmdTarget {
    DECLARE_DYNAMIC(COleDropSource)
public:
    COleDropSource();
    ~COleDropSource() override;

    // Escape or the other mouse button cancels; releasing the button that started drops.
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    // The system's cursors.
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    // Whether the drag starts (see the header's notes); pWnd takes the mouse meanwhile.
    virtual BOOL OnBeginDrag(CWnd* pWnd);

    LPUNKNOWN GetInterface(const void* piid);

    CRect m_rectStartDrag;
    BOOL m_bDragStarted;
    DWORD m_dwButtonCancel;
    DWORD m_dwButtonDrop;

private:
    class XDropSource;
    XDropSource* m_xDropSource;
};

// Data offered by a drag (or kept for any reader of its IDataObject).
class AFX_CORE_CLASS COleDataSource : public CCmdTarget {
    DECLARE_DYNAMIC(COleDataSource)
public:
    COleDataSource();
    ~COleDataSource() override;

    // The source takes over hGlobal, and frees it, whatever happens.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = nullptr);
    void Empty();
    // The effect the drop target chose, DROPEFFECT_NONE when the drag was cancelled or did
    // not start.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);

    LPUNKNOWN GetInterface(const void* piid);

private:
    class XDataObject;
    XDataObject* m_xDataObject;
};

// A window that accepts drops: derive, override the handlers, and Register the window.
class AFX_CORE_CLASS COleDropTarget : public CCmdTarget {
    DECLARE_DYNAMIC(COleDropTarget)
public:
    COleDropTarget();
    ~COleDropTarget() override;

    // FALSE when OLE is not initialised, the window is gone or already has a target.
    BOOL Register(CWnd* pWnd);
    virtual void Revoke();

    // The defaults accept nothing: DROPEFFECT_NONE, FALSE, and -1 (not handled) from
    // OnDropEx, which makes the drop go to OnDrop.
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);

    LPUNKNOWN GetInterface(const void* piid);

protected:
    HWND m_hWnd;

private:
    class XDropTarget;
    XDropTarget* m_xDropTarget;
};
