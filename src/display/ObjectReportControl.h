#pragma once
#include "display/ObjectListBinding.h"
#include "display/ReportCtrl.h"

// A report (CReportCtrl) that shows a persistent list, one row per object, bound as the
// object list binds a plain list-view (CObjectListBinding). Sorting, check box styles,
// cell colours and in-place editing are the report's.
//
// A changed object rewrites its own row wherever sorting put it and, as every text change
// of the report does, forgets the sort. Rows that the report moves (sorting, MoveTo,
// SwapItems) take their states along; no object is asked to check or uncheck for them.
//
// A cell that the derived control gives no text says "Error", so that a forgotten
// GetObjectText shows.
class AFX_EXT_CLASS CObjectReportControl : public CObjectListBinding<CObjectReportControl, CReportCtrl> {
    using CBinding = CObjectListBinding<CObjectReportControl, CReportCtrl>;
    friend CBinding;

public:
    const char* GetObjectText(CPersistObject* object, int column, bool forToolTip) override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    bool IsMovingRows() const { return IsRearrangingRows() != FALSE; }
};
