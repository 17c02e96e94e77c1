#pragma once
#include "Tour.h"

class CMainFrame;

// Tour steps through the network services, against the local servers that scripts/demo
// starts on 127.0.0.1 and names in the environment (TNW_DEMO_HTTP: the HTTP server's
// address; TNW_DEMO_FTP: the FTP server's port). Without them each step says so and
// does nothing.
namespace NetworkTour {

// Downloads the update file with its progress in the status line, then a file the server
// does not have, which leaves the update in place.
void DownloadUpdate(CTour& tour, CMainFrame* frame);
// Uploads three snapshots of the stand-in video source to the FTP server, lists what
// arrived and shows the last snapshot.
void UploadSnapshots(CTour& tour, CMainFrame* frame);
// Asks the web service for the package list and shows it in the download dialog.
void ShowDownloadDialog(CTour& tour, CMainFrame* frame);

} // namespace NetworkTour
