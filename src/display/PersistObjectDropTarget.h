#pragma once
#include "afxole.h"

#include "tnwbscut.h"

// The OLE drop target of the object tree control, and the owner of the private clipboard
// format "Persist Object" under which the library's controls offer dragged objects (see
// CPersistObjectDataSource). The format is registered when the library loads.
//
// While something is dragged over the window, the target asks the window which object lies
// under the point with kFindHitObjectMessage (0x465): wParam 0, lParam a FindHitRecord whose
// object the window fills in (preset to null), result 0. It answers DROPEFFECT_MOVE, and a
// drop asks the same question and is not accepted (FALSE): this target only finds objects.
// A deriving target that does something with a drop reads the dragged object with
// GetDraggedObject and the one under the point with FindHitObject, and is put in place of
// the control's own (CObjectTreeControl::SetDropTarget).
//
// Decisions of this library:
// - The record carries a whole pointer, followed by the point's two 32-bit coordinates.
// - Entering the window answers as moving over it does, so that the cursor is right from
//   the first moment.
// - GetDraggedObject trusts a payload only when a data source of this process offers that
//   object now: an address from another process (another instance of the application
//   offers the same format) or of an object destroyed since is never followed.
// - Initialize answers whether the format could be registered.
class AFX_EXT_CLASS CPersistObjectDropTarget : public COleDropTarget {
public:
    enum { kFindHitObjectMessage = WM_USER + 101 };
    struct FindHitRecord {
        CPersistObject* object;
        LONG x;
        LONG y;
    };

    static CLIPFORMAT sPersistObjectFormat;
    static bool sInitialized;
    static bool Initialize();

    CPersistObjectDropTarget();
    ~CPersistObjectDropTarget() override;

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;

    // The object the window shows under the point (client coordinates), or null.
    static CPersistObject* FindHitObject(CWnd* window, CPoint point);
    // The object that a drag of this process offers in the data, or null.
    static CPersistObject* GetDraggedObject(COleDataObject* data);
};
