#pragma once
#include "afx.h"

// Files under the all-users application-data folder may be shadowed by a per-user copy:
// users without the right to change the shared file still keep their own version of it.
// The per-user copy has the same path relative to the per-user application-data folder.
// Readers prefer an existing per-user copy; writers fall back to it when the shared file
// cannot be written.
class AFX_EXT_CLASS UPerUserPath {
public:
    // The per-user counterpart of path when path lies in the all-users folder (byte
    // comparison over that folder's text), otherwise an empty text. Also empty when
    // Windows names no separate folders, so the counterpart would be path itself.
    static CString GetAlternative(const char* path);
};
