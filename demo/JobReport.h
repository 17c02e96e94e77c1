#pragma once
#include "Tour.h"

class CMainFrame;

// The converter's job queue as a report over the main window: name, size and state of each
// job, with check boxes for the jobs to convert, sorted by a click on a column heading.
void ShowJobReport(CTour& tour, CMainFrame* frame);
