#pragma once
#include "afxwin.h"

// Shows the wait cursor while it exists and gives back the cursor that was there before.
class AFX_EXT_CLASS StWaitCursor {
public:
    StWaitCursor();
    ~StWaitCursor();
    StWaitCursor(const StWaitCursor&) = delete;
    StWaitCursor& operator=(const StWaitCursor&) = delete;

private:
    HCURSOR mPrevious;
};
