#pragma once
#include "controls/TooltipHost.h"

// Any child window with a tooltip (see CTooltipHost); the window picker is one.
class AFX_EXT_CLASS CTooltipWindow : public CTooltipHost<CWnd> {
public:
    CTooltipWindow();
};
