#pragma once
// The application: the family's application object with its edit commands, help and about
// box, the application pool with the Download and Demo menus, and the progress dialogs.
#include "app/ApplicationCategory.h"
#include "app/ApplicationPool.h"
#include "app/AboutDialog.h"
#include "app/TarnwellApp.h"
#include "app/ProgressControls.h"
#include "app/ProgressWindow.h"
#include "app/ProgressPanel.h"
#include "app/ProgressDialog.h"
#include "app/ProgressDialog2.h"
