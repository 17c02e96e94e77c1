#pragma once
// Dialogs: one-question prompters (text, IP address, yes/no for a series), the selector
// and the volume slider; the about box, the splash window and the error dialog; the
// windows that live in the notification area.
#include "dialogs/IpPrompter.h"
#include "dialogs/Prompter.h"
#include "dialogs/RepeatPrompter.h"
#include "dialogs/Selector.h"
#include "dialogs/VolumeSliderDialog.h"
#include "dialogs/PlainFrame.h"
#include "dialogs/SplashWindow.h"
#include "dialogs/ErrorDialog.h"
#include "dialogs/TaskBarIcon.h"
#include "dialogs/TaskBarDialog.h"
#include "dialogs/TaskBarDialog2.h"
#include "dialogs/TaskBarFrame.h"
#include "dialogs/AboutDialog.h"
