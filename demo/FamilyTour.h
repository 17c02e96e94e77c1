#pragma once
#include "Tour.h"

class CTrayDialog;

// Tour steps through what every application of the family shares: the splash window, the
// Download and Demo menus, the about box, the error dialog and the notification-area icon.
namespace FamilyTour {

void ShowSplash(CTour& tour);
void ShowPoolMenus(CTour& tour, CWnd* frame);
void ShowAboutBox(CTour& tour, CWnd* frame);
void ShowErrorDialog(CTour& tour);
void ShowTrayIcon(CTour& tour, CTrayDialog& tray);

} // namespace FamilyTour
