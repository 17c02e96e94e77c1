#include "controls/TooltipWindow.h"

CTooltipWindow::CTooltipWindow() = default;
