#pragma once
#include "Tour.h"

class CMainFrame;

// Tour steps through the object trees, nodes and inspectors: the converter's queue as a
// report, a tree of batches and a combo box, with a job dragged from the report into a
// batch; the conversion schedule as nodes on a board, one of them dragged to a later
// start; and the settings object loaded through a data host and shown in both inspectors.
namespace TreesTour {

void ShowQueueAsTree(CTour& tour, CMainFrame* frame);
void ShowScheduleAsNodes(CTour& tour, CMainFrame* frame);
void InspectSettings(CTour& tour);

} // namespace TreesTour
