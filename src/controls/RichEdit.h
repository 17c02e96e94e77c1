#pragma once
#include "afxwin.h"

// Loads the rich edit library for the framework: an application creates one before any
// styled edit or rich edit control, in a dialog template or with Create.
//
// The library stays loaded for the rest of the process once the guard has loaded it, as
// controls of its class may outlive the guard.
class AFX_EXT_CLASS StRichEdit {
public:
    StRichEdit();
    StRichEdit(const StRichEdit&) = delete;
    StRichEdit& operator=(const StRichEdit&) = delete;

    // Whether the library could be loaded.
    bool IsLoaded() const { return mLoaded; }

private:
    bool mLoaded;
};
