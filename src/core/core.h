#pragma once
// Application core: the debug logger, worker threads, timers, delayed functions, the
// schedule clock, the crash guard and run-once, the command line, and the
// notification-area icon rotator and popup menu.
#include "core/CrashGuard.h"
#include "core/DebugLogger.h"
#include "core/DirectShow.h"
#include "core/LibraryModule.h"
#include "core/RunOnce.h"
#include "core/WorkerThread.h"
#include "core/WorkerThreadDispatcher.h"
#include "core/Timer.h"
#include "core/TimerDispatcher.h"
#include "core/DelayedFunction.h"
#include "core/ScheduleClock.h"
#include "core/IconRotator.h"
#include "core/PopupMenu.h"
#include "core/CommandLineParams.h"
