#pragma once
// The media application class library. Applications include this header and link
// tnwmfcut::tnwmfcut.
#include "tnwwndut.h"
#include "tnwbscut.h"
#include "core/CrashGuard.h"
#include "core/DebugLogger.h"
#include "core/DirectShow.h"
#include "core/LibraryModule.h"
#include "core/RunOnce.h"
#include "core/WorkerThread.h"
#include "core/WorkerThreadDispatcher.h"
#include "dialogs/Prompter.h"
#include "dialogs/RepeatPrompter.h"
#include "dialogs/Selector.h"
#include "dialogs/VolumeSliderDialog.h"
