#pragma once
#include "util/SystemCursor.h"

// Shows the wait cursor while it exists and gives back the cursor that was there before.
class AFX_EXT_CLASS StWaitCursor : public StSystemCursor {
public:
    StWaitCursor() : StSystemCursor(IDC_WAIT) {}
};
