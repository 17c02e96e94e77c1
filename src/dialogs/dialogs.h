#pragma once
// Dialogs and frames: the splash window, the error dialog, the plain frame, the windows
// that live in the notification area, and the screen and window tools (the frozen-screen
// area selection, the desktop rubber band, the window picker, the window locator, the
// selection cursor and frame-to-bitmap capture).
#include "dialogs/PlainFrame.h"
#include "dialogs/SplashWindow.h"
#include "dialogs/ErrorDialog.h"
#include "dialogs/TaskBarIcon.h"
#include "dialogs/TaskBarWindow.h"
#include "dialogs/TaskBarDialog.h"
#include "dialogs/TaskBarDialog2.h"
#include "dialogs/TaskBarFrame.h"
#include "dialogs/BitmapCapture.h"
#include "dialogs/DesktopDialog.h"
#include "dialogs/DesktopDrag.h"
#include "dialogs/SelectCursor.h"
#include "dialogs/WindowLocator.h"
#include "dialogs/WindowPicker.h"
