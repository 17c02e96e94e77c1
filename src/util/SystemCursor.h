#pragma once
#include "afxwin.h"

// Shows one of the system's cursors while it exists and gives back the cursor that was
// there before. The scope guards of particular cursors derive from it.
class AFX_EXT_CLASS StSystemCursor {
public:
    // cursor: a system cursor id (IDC_WAIT, IDC_SIZEALL ...).
    explicit StSystemCursor(LPCSTR cursor);
    ~StSystemCursor();
    StSystemCursor(const StSystemCursor&) = delete;
    StSystemCursor& operator=(const StSystemCursor&) = delete;

    HCURSOR GetPrevious() const { return mPrevious; }

private:
    HCURSOR mPrevious;
};
