#pragma once
#include "ObjectDisplay.h"

// The top of a display tree: the control that shows the objects. It is its own top
// display and the one that announces selection changes and edited texts.
//
// A nested top display lets every display below it show the list of its own object as
// children (a tree control shows the whole object tree); a flat one, the default, shows
// one level, the objects of its own list. Set it before an object is bound.
class TNWBS_CLASS CTopObjectDisplay : public CObjectDisplay {
public:
    CTopObjectDisplay();

    CTopObjectDisplay* GetTopDisplay() override;
    // Makes display the only selected one (null deselects all).
    virtual void MakeSelected(CObjectDisplay* display);

    void SetNested(bool nested);
    bool IsNested() const;

private:
    bool mNested;
};
