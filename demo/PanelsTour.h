#pragma once
#include "Tour.h"

// Tour steps through settings windows built of panels and the progress dialogs: the
// converter's settings as expandable groups with their summaries, the export wizard as a
// panel stack, and a long job under the progress dialog that the user cancels halfway.
namespace PanelsTour {

void ShowSettingsWindow(CTour& tour);
void ShowExportWizard(CTour& tour);
void CancelChecksumJob(CTour& tour);

} // namespace PanelsTour
