#pragma once
#include "controls/TooltipHost.h"

// A push button with a tooltip (see CTooltipHost).
class AFX_EXT_CLASS CTooltipButton : public CTooltipHost<CButton> {
public:
    CTooltipButton();
};
