#pragma once
// Dialogs and frames: the splash window, the error dialog, the plain frame, and the
// windows that live in the notification area.
#include "dialogs/PlainFrame.h"
#include "dialogs/SplashWindow.h"
#include "dialogs/ErrorDialog.h"
#include "dialogs/TaskBarIcon.h"
#include "dialogs/TaskBarWindow.h"
#include "dialogs/TaskBarDialog.h"
#include "dialogs/TaskBarDialog2.h"
#include "dialogs/TaskBarFrame.h"
