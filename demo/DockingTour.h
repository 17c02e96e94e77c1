#pragma once
#include "Tour.h"

// Tour steps through the dockable dialog bar: the converter's job queue docked at the left
// edge of the main window, floated in a frame of its own, and docked along the bottom.
namespace DockingTour {

void DockQueueLeft(CTour& tour, CFrameWnd* frame);
void FloatQueue(CTour& tour);
void DockQueueBottom(CTour& tour);
void CloseQueue(CTour& tour);

} // namespace DockingTour
