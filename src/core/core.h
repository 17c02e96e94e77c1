#pragma once
// Application core: worker threads, timers, delayed functions, the schedule clock.
#include "core/LibraryModule.h"
#include "core/WorkerThread.h"
#include "core/WorkerThreadDispatcher.h"
#include "core/Timer.h"
#include "core/TimerDispatcher.h"
#include "core/DelayedFunction.h"
#include "core/ScheduleClock.h"
