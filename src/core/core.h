#pragma once
// Application core: worker threads, timers, delayed functions, the schedule clock, the
// command line, the notification-area icon rotator and popup menu.
#include "core/LibraryModule.h"
#include "core/WorkerThread.h"
#include "core/WorkerThreadDispatcher.h"
#include "core/Timer.h"
#include "core/TimerDispatcher.h"
#include "core/DelayedFunction.h"
#include "core/ScheduleClock.h"
#include "core/IconRotator.h"
#include "core/PopupMenu.h"
#include "core/CommandLineParams.h"
