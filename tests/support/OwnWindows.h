#pragma once
#include <windows.h>

// FindWindow limited to the top-level windows of this process. Test programs run side by
// side on one desktop, so a window looked up by class or title across the desktop may
// belong to another program; a test looks only among its own. Either argument may be
// null, as for FindWindow; both compare without regard to case.
HWND FindOwnWindow(LPCSTR className, LPCSTR title);
