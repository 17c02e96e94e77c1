#pragma once
#include "afxver_.h"

#include "tnwbscut.h"

// A child display inside an object control. Its own children land in the same control:
// their on-screen items are made, found and disposed of by its parent display, up to the
// control (-1 when there is no parent).
class AFX_EXT_CLASS CObjectControlDisplay : public CObjectDisplay {
public:
    explicit CObjectControlDisplay(CObjectDisplay* parent);

    LONG_PTR CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* child) override;
    LONG_PTR GetChildDisplayHandle(CObjectDisplay* child) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
};
