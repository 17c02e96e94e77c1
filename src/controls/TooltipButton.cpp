#include "controls/TooltipButton.h"

CTooltipButton::CTooltipButton() = default;
