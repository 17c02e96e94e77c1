#pragma once
#include "Tour.h"

class CMainFrame;

// Tour step through the syncers: a converted clip goes to a folder, to a portable player
// whose drive letter appears during the tour, to a Windows Mobile phone, into the iTunes
// library and into the media player's library, and a report over the main window lists
// what each target received. The outside programs are the project's stand-ins: RAPI.DLL
// in the "rapi" folder beside the program, iTunes from tnwitunes.dll registered for this
// process, and "WMPlayer.OCX", which scripts/demo registers in the tour's prefix.
namespace SyncTour {

void SyncClip(CTour& tour, CMainFrame* frame);

} // namespace SyncTour
