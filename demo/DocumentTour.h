#pragma once
#include "Tour.h"

class CMainFrame;

// Tour steps through a document panel in the main window that keeps one conversion job as
// a job file: opened through the File Open dialog, edited in its fields and saved with
// File Save.
namespace DocumentTour {

void OpenJobFile(CTour& tour, CMainFrame* frame);
void EditAndSaveJobFile(CTour& tour);

} // namespace DocumentTour
