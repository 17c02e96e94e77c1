#pragma once
#include "util/SystemCursor.h"

// Shows the system's move cursor (IDC_SIZEALL) while a selection runs, and gives back the
// cursor that was there before.
class AFX_EXT_CLASS StSelectCursor : public StSystemCursor {
public:
    StSelectCursor() : StSystemCursor(IDC_SIZEALL) {}
};
