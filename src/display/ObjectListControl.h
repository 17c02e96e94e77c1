#pragma once
#include "display/FriendlyListControl.h"
#include "display/ObjectListBinding.h"

// A list-view that shows a persistent list, one row per object (CObjectListBinding tells
// how), with a prompt text over the list while it is empty. Derived controls describe
// their objects; this class adds the prompt and the deletion of the selected objects.
//
// Decision of this library: Remove and Clear delete the objects only when the list owns
// them; a list that only points at objects others own just lets them go.
class AFX_EXT_CLASS CObjectListControl : public CObjectListBinding<CObjectListControl, CFriendlyListControl> {
    using CBinding = CObjectListBinding<CObjectListControl, CFriendlyListControl>;

public:
    // Rewrites the row of one display: its texts and its check mark (not its image).
    virtual void RefreshOneDisplay(CObjectDisplay* display);
    // Deletes the selected objects, then selects the object after the last of them (or
    // the new last object).
    virtual void Remove();
    virtual void Clear();

    // The prompt shows while the list bound has no objects.
    void SetPromptText(const char* text);
    void RefreshPrompt();

protected:
    DECLARE_MESSAGE_MAP()

private:
    CString mPromptText;
};
