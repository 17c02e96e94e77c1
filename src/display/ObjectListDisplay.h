#pragma once
#include "display/ObjectControlDisplay.h"

// The display of one row of an object list or report: a change of its object as a whole
// (notice 1, kObjectChanged) rewrites the row.
class AFX_EXT_CLASS CObjectListDisplay : public CObjectControlDisplay {
public:
    explicit CObjectListDisplay(CObjectDisplay* parent);

    bool Respond(long code, CBroadcaster* broadcaster, long data1, long data2) override;
};
